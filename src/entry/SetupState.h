#pragma once
// The process-wide state of one setup session, shared by the windows, the install
// worker and the shell and registry steps.
#include <windows.h>

#include <atomic>

#include "framework/CFile.h"

class CSetupMainDlg;
class CWizardFrame;

struct SetupState {
    char m_szSourceDir[MAX_PATH];   // media folder exactly as passed to DOINSTALL
    char m_szStartDir[MAX_PATH];    // current folder when the configuration was loaded
    char m_szInstallDir[MAX_PATH];  // destination folder
    int m_nLanguage;                // row of the language table
    const char* m_pszLanguageExt;   // points into the language table
    int m_nButtonModel;             // 1: first model (radio button 1001), 0: second
    BOOL m_bWin95;
    BOOL m_bWin98;
    BOOL m_bWinMe;
    BOOL m_bWinXP;
    BOOL m_bWinNT5;
    BOOL m_bWinNTOther;
    CSetupMainDlg* m_pMainDlg;
    CWizardFrame* m_pWizardFrame;
    CFile m_logFile;                // the uninstall log
    BOOL m_bRebootNeeded;           // handed to the external setup routine, never read here
    // 1 while the install worker runs. The worker clears it with release ordering as its
    // last act and the progress window polls it with acquire ordering: that pair is
    // what publishes the worker's files, state and open log to the interface thread.
    std::atomic<LONG> m_bWorkerRunning;
    BYTE m_nLogRecordKind;          // kind of the uninstall-log record being written
};

static_assert(sizeof(std::atomic<LONG>) == 4 && std::atomic<LONG>::is_always_lock_free,
              "the worker-running flag is a lock-free 32-bit atomic");

extern SetupState g_setup;
