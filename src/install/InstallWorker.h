#pragma once
// The install worker: the one background thread of a session. It runs the platform's
// driver set-up, copies the files, starts the uninstall log and writes the settings
// files, touching no window; its only signal is the worker-running flag going to 0.
#include <windows.h>

#include <cstddef>

// The thread procedure, in the form the C run time's thread start expects. The
// argument is not used; the result is always 0.
unsigned __stdcall InstallWorker(void* argument);

// Sets the worker-running flag, then starts InstallWorker on a new thread with a
// 64 KiB stack. The thread's handle is closed at once: nothing waits on it.
void StartInstallWorker(void* argument);

// Wraps the path in double quotes when it holds a blank and does not start with one.
// Returns false, leaving it unchanged, when the quoted path would not fit capacity.
bool QuotePathIfNeeded(char* path, size_t capacity);

// The command line of the Windows 9x driver set-up program; false when it does not fit.
bool Setup16CommandLine(char* out, size_t capacity);
