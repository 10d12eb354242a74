#include "entry/SetupSession.h"

#include <commctrl.h>

#include <cstring>

#include "entry/LanguageTable.h"
#include "entry/SetupState.h"
#include "framework/BoundedString.h"
#include "framework/CWinApp.h"
#include "session/PlatformDetection.h"
#include "session/ProductConfig.h"
#include "text/TextTable.h"
#include "windows/CSetupMainDlg.h"

bool BeginSetupSession(const char* mediaFolder)
{
    // A media folder that does not fit is refused, never cut into another folder.
    if (mediaFolder == nullptr || strlen(mediaFolder) >= sizeof g_setup.m_szSourceDir)
        return false;
    (void)CopyBounded(g_setup.m_szSourceDir, sizeof g_setup.m_szSourceDir, mediaFolder);
    DetectPlatform();
    LoadProductConfig();
    g_setup.m_pszLanguageExt = LanguageExtension(g_setup.m_nLanguage);
    LoadTexts();
    return true;
}

INT_PTR RunSetupWindows()
{
    InitCommonControls();
    CSetupMainDlg mainWindow;
    // The dialogs run without a parent of their own are owned through the main window.
    CWinApp* application = AfxGetApp();
    if (application != nullptr)
        application->m_pMainWnd = &mainWindow;
    INT_PTR result = mainWindow.DoModal();
    if (application != nullptr)
        application->m_pMainWnd = nullptr;
    // The windows are gone: no pointer to them outlives the call.
    g_setup.m_pMainDlg = nullptr;
    g_setup.m_pWizardFrame = nullptr;
    return result;
}

void EndSetupSession()
{
    ReleaseTexts();
    ReleaseProductConfig();
}

int ExitCodeForResult(INT_PTR modalResult)
{
    switch (modalResult) {
    case kExitAbandoned:
        return kExitAbandoned;
    case kExitRestartNow:
        return (g_setup.m_bWinXP || g_setup.m_bWinNT5 || g_setup.m_bWinNTOther) ? kExitRestartNowNt
                                                                               : kExitRestartNow;
    case kExitRestartLater:
        return kExitRestartLater;
    default:
        return kExitOther;
    }
}

int RunSetupSession(const char* mediaFolder)
{
    if (!BeginSetupSession(mediaFolder))
        return kExitOther;
    INT_PTR result = RunSetupWindows();
    EndSetupSession();
    return ExitCodeForResult(result);
}
