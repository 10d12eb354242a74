#include "entry/SetupState.h"

SetupState g_setup = {
    /* m_szSourceDir */ {},
    /* m_szStartDir */ {},
    /* m_szInstallDir */ {},
    /* m_nLanguage */ 0,
    /* m_pszLanguageExt */ nullptr,
    /* m_nButtonModel */ 0,
    /* m_bWin95 */ FALSE,
    /* m_bWin98 */ FALSE,
    /* m_bWinMe */ FALSE,
    /* m_bWinXP */ FALSE,
    /* m_bWinNT5 */ FALSE,
    /* m_bWinNTOther */ FALSE,
    /* m_pMainDlg */ nullptr,
    /* m_pWizardFrame */ nullptr,
    /* m_logFile */ {},
    /* m_bRebootNeeded */ TRUE,
    /* m_bWorkerRunning */ {0},
    /* m_nLogRecordKind */ 0,
};
