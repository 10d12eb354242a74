#include "install/InstallWorker.h"

#include <process.h>

#include <cstring>

#include "entry/SetupState.h"
#include "framework/BoundedString.h"
#include "framework/CWinApp.h"
#include "install/CopySequence.h"
#include "install/LibraryFunctions.h"
#include "install/ProductFiles.h"
#include "install/ProductSettings.h"
#include "install/UninstallLog.h"
#include "install/UsbFilterCleanup.h"
#include "session/CRegistryKey.h"

namespace {

constexpr unsigned kWorkerStackSize = 65536;
constexpr UINT kSetupErrorMode = SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOALIGNMENTFAULTEXCEPT |
                                 SEM_NOOPENFILEERRORBOX;

// The Setup export of SETUP32.DLL: parent window, folder, restart flag it may write.
using Setup32Proc = int(WINAPI*)(CWnd* mainWindow, const char* folder, BOOL* rebootNeeded);

bool IsWindows9x()
{
    return g_setup.m_bWin95 || g_setup.m_bWin98 || g_setup.m_bWinMe;
}

// Windows 95, 98 and Me: SETUP16.EXE from the media, waited for, then its restart key removed.
void RunSetup16(CRegistryKey& registry)
{
    char commandLine[MAX_PATH];
    if (Setup16CommandLine(commandLine, sizeof commandLine)) {
        (void)SetErrorMode(kSetupErrorMode);
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        if (CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
            (void)WaitForSingleObject(process.hProcess, INFINITE);
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        }
    }
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    (void)registry.DeleteKey("SOFTWARE\\RebootFlags");
}

// Other NT systems: the Setup export of SETUP32.DLL from the media.
void RunSetup32()
{
    char libraryPath[MAX_PATH];
    char folder[MAX_PATH];
    if (!FormatBounded(libraryPath, sizeof libraryPath, "%s\\%s", g_setup.m_szSourceDir, "SETUP32.DLL") ||
        !FormatBounded(folder, sizeof folder, "%s\\winnt", g_setup.m_szSourceDir))
        return;
    FARPROC setup = nullptr;
    const LibraryFunction functions[] = {{&setup, "Setup"}};
    HMODULE module = nullptr;
    if (LoadLibraryFunctions(&module, libraryPath, 1, functions)) {
        (void)reinterpret_cast<Setup32Proc>(reinterpret_cast<void*>(setup))(AfxGetMainWnd(), folder,
                                                                            &g_setup.m_bRebootNeeded);
        g_setup.m_bRebootNeeded = TRUE;
    }
    if (module != nullptr)
        FreeLibrary(module);
}

void RunPlatformSetup(CRegistryKey& registry)
{
    if (IsWindows9x())
        RunSetup16(registry);
    else if (g_setup.m_bWinNTOther)
        RunSetup32();
    // Windows 2000, XP, the other NT 5 systems and unknown systems run no set-up program.
}

}  // namespace

bool QuotePathIfNeeded(char* path, size_t capacity)
{
    if (path[0] == '"' || strchr(path, ' ') == nullptr)
        return true;
    size_t length = strlen(path);
    if (length + 3 > capacity)
        return false;
    memmove(path + 1, path, length);
    path[0] = '"';
    path[length + 1] = '"';
    path[length + 2] = '\0';
    return true;
}

bool Setup16CommandLine(char* out, size_t capacity)
{
    if (!FormatBounded(out, capacity, "%s\\%s", g_setup.m_szSourceDir, "SETUP16.EXE") ||
        !QuotePathIfNeeded(out, capacity))
        return false;
    char startFolder[256] = {};
    DWORD length = GetShortPathNameA(g_setup.m_szStartDir, startFolder, sizeof startFolder);
    if (length >= sizeof startFolder)
        return false;
    if (length == 0)
        startFolder[0] = '\0';
    if (g_setup.m_bWinMe && !AppendBounded(startFolder, sizeof startFolder, "\\winme"))
        return false;
    return AppendBounded(out, capacity, " ") && AppendBounded(out, capacity, startFolder);
}

unsigned __stdcall InstallWorker(void* /*argument*/)
{
    g_setup.m_bWorkerRunning.store(1, std::memory_order_release);  // 1
    CRegistryKey registry;
    ClearUsbLowerFilters();                                        // 2
    RunPlatformSetup(registry);                                    // 3
    CreatePath(g_setup.m_szInstallDir, FALSE);                     // 4
    (void)OpenInstallFolderLog();                                  // 5
    CopyProductFiles();                                            // 6
    WriteProductSettings();                                        // 7
    // 8: the last act. The release store hands everything above, the open log
    // included, to the interface thread's acquire poll.
    g_setup.m_bWorkerRunning.store(0, std::memory_order_release);
    return 0;
}

void StartInstallWorker(void* argument)
{
    g_setup.m_bWorkerRunning.store(1, std::memory_order_release);
    uintptr_t thread = _beginthreadex(nullptr, kWorkerStackSize, InstallWorker, argument, 0, nullptr);
    if (thread != 0)
        CloseHandle(reinterpret_cast<HANDLE>(thread));
    else
        g_setup.m_bWorkerRunning.store(0, std::memory_order_release);  // no worker will clear it
}
