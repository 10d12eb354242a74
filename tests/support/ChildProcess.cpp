#include "ChildProcess.h"

#include <thread>

#include "TestRegistry.h"

namespace {

std::string FileNameOf(const std::string& path)
{
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string AppDefaultsKey(const std::string& programFileName)
{
    return "Software\\Wine\\AppDefaults\\" + programFileName;
}

}  // namespace

void SetProgramWindowsVersion(const std::string& programFileName, const char* windowsVersion)
{
    if (windowsVersion == nullptr)
        testreg::DeleteValue(HKEY_CURRENT_USER, AppDefaultsKey(programFileName), "Version");
    else
        testreg::SetString(HKEY_CURRENT_USER, AppDefaultsKey(programFileName), "Version", windowsVersion);
}

ChildResult RunChild(const std::string& programPath, const std::string& arguments, const char* windowsVersion,
                     DWORD timeoutMs, const char* currentFolder)
{
    ChildResult result;
    std::string fileName = FileNameOf(programPath);
    SetProgramWindowsVersion(fileName, windowsVersion);

    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    CreatePipe(&readEnd, &writeEnd, &inherit, 0);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process = {};
    std::string commandLine = "\"" + programPath + "\"" + (arguments.empty() ? "" : " " + arguments);
    result.started = CreateProcessA(programPath.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr,
                                    currentFolder, &startup, &process) != FALSE;
    CloseHandle(writeEnd);

    std::thread reader([&] {
        char chunk[1024];
        DWORD read = 0;
        while (ReadFile(readEnd, chunk, sizeof chunk, &read, nullptr) && read > 0)
            result.output.append(chunk, read);
    });
    if (result.started) {
        result.finished = WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0;
        if (!result.finished)
            TerminateProcess(process.hProcess, 255);
        WaitForSingleObject(process.hProcess, 5000);
        GetExitCodeProcess(process.hProcess, &result.exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    reader.join();
    CloseHandle(readEnd);
    SetProgramWindowsVersion(fileName, nullptr);
    return result;
}
