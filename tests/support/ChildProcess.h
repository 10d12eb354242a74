#pragma once
// Runs a helper program as a child process, optionally under one of Wine's emulated
// Windows versions, and collects its exit code and output.
#include <windows.h>

#include <string>

struct ChildResult {
    bool started = false;
    bool finished = false;
    DWORD exitCode = 0;
    std::string output;  // standard output and standard error together
};

// windowsVersion is a Wine version name ("win98", "winxp", ...) or null for the prefix's
// own. The version is set for the program's file name only, for the duration of the run.
ChildResult RunChild(const std::string& programPath, const std::string& arguments, const char* windowsVersion,
                     DWORD timeoutMs = 60000, const char* currentFolder = nullptr);

// Sets Wine's per-program Windows version for a program file name; null removes it.
void SetProgramWindowsVersion(const std::string& programFileName, const char* windowsVersion);
