// Child program of the worker tests: begins a session on a media folder in a process of
// its own (so that Wine's per-program Windows version applies), runs the install worker
// on its thread into an install folder and prints what the session state shows after.
//   install_probe <media folder> <install folder> <button model> <restart flag before>
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "entry/SetupSession.h"
#include "entry/SetupState.h"
#include "framework/BoundedString.h"
#include "install/InstallWorker.h"
#include "install/UninstallLog.h"

int main(int argc, char** argv)
{
    if (argc != 5) {
        fprintf(stderr, "usage: install_probe <media> <install> <model> <restart flag>\n");
        return 2;
    }
    if (!BeginSetupSession(argv[1]))
        return 3;
    CopyBounded(g_setup.m_szInstallDir, sizeof g_setup.m_szInstallDir, argv[2]);
    g_setup.m_nButtonModel = atoi(argv[3]);
    g_setup.m_bRebootNeeded = atoi(argv[4]);
    StartInstallWorker(nullptr);
    DWORD started = GetTickCount();
    while (g_setup.m_bWorkerRunning.load(std::memory_order_acquire) != 0) {
        if (GetTickCount() - started > 60000) {
            fprintf(stderr, "the worker did not finish\n");
            return 4;
        }
        Sleep(20);
    }
    CloseUninstallLog();
    printf("reboot=%d win95=%d win98=%d winme=%d winxp=%d winnt5=%d winntother=%d start=%s\n",
           g_setup.m_bRebootNeeded, g_setup.m_bWin95, g_setup.m_bWin98, g_setup.m_bWinMe, g_setup.m_bWinXP,
           g_setup.m_bWinNT5, g_setup.m_bWinNTOther, g_setup.m_szStartDir);
    EndSetupSession();
    return 0;
}
