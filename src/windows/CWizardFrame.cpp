#include "windows/CWizardFrame.h"

#include "entry/SetupState.h"
#include "framework/BoundedString.h"
#include "install/CInstallProgressDlg.h"
#include "pages/CButtonTypePage.h"
#include "pages/CDestinationPage.h"
#include "pages/CFinishPage.h"
#include "pages/CProgramFolderPage.h"
#include "resources/resource.h"
#include "session/ProductConfig.h"
#include "text/TextTable.h"
#include "windows/CMessageDlg.h"
#include "windows/CSetupMainDlg.h"

namespace {

constexpr UINT kPageTemplates[] = {IDD_WELCOME_PAGE,        IDD_BUTTON_MODEL_PAGE, IDD_DESTINATION_PAGE,
                                   IDD_PROGRAM_FOLDER_PAGE, IDD_SUMMARY_PAGE,      IDD_FINISH_PAGE};

constexpr INT_PTR kResultAbandoned = 2;
constexpr INT_PTR kResultRestartNow = 6;
constexpr INT_PTR kResultRestartLater = 12;

bool IsKeyDown(const MSG* message, WPARAM key)
{
    return (message->message == WM_KEYDOWN || message->message == WM_SYSKEYDOWN) && message->wParam == key;
}

}  // namespace

CWizardFrame::CWizardFrame() : CDialog(IDD_WIZARD_FRAME, nullptr)
{
}

BOOL CWizardFrame::OnInitDialog()
{
    CDialog::OnInitDialog();
    g_setup.m_pWizardFrame = this;
    for (UINT templateId : kPageTemplates)
        (void)m_pages.AddPage(templateId, this);
    m_pages.ShowPage(-1);
    ::EnableWindow(GetDlgItem(IDC_FRAME_BACK), FALSE);
    SetStartCaptions();
    ::SetFocus(GetDlgItem(IDC_FRAME_NEXT));
    return TRUE;
}

void CWizardFrame::SetStartCaptions()
{
    SetDlgItemText(IDC_FRAME_BACK, GetTextOrEmpty("MSG 1"));
    SetDlgItemText(IDC_FRAME_NEXT, GetTextOrEmpty("MSG 2"));
    SetDlgItemText(IDC_FRAME_CANCEL, GetTextOrEmpty("MSG 4"));
}

BOOL CWizardFrame::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case IDC_FRAME_NEXT: OnNext(); return TRUE;
        case IDC_FRAME_BACK: OnBack(); return TRUE;
        case IDC_FRAME_CANCEL: OnCancel(); return TRUE;
        default: break;
        }
    }
    // IDCANCEL from the close box and Alt+F4 arrives here as well.
    return CDialog::OnCommand(wParam, lParam);
}

void CWizardFrame::RestoreButtonModel()
{
    if (CWnd* page = m_pages.GetPage(kButtonModel))
        ::SendMessageA(page->GetDlgItem(IDC_MODEL_FIRST), BM_SETCHECK, static_cast<WPARAM>(g_setup.m_nButtonModel), 0);
}

void CWizardFrame::StoreButtonModel()
{
    if (CWnd* page = m_pages.GetPage(kButtonModel))
        g_setup.m_nButtonModel = ::SendMessageA(page->GetDlgItem(IDC_MODEL_FIRST), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CWizardFrame::StoreDestination()
{
    auto* page = static_cast<CDestinationPage*>(m_pages.GetPage(kDestination));
    if (page == nullptr)
        return;
    page->UpdateData(TRUE);
    // The edit control takes no more than fits; a longer folder is never cut into another.
    (void)CopyBounded(g_setup.m_szInstallDir, sizeof g_setup.m_szInstallDir, page->m_strFolder);
}

void CWizardFrame::StoreProgramFolder()
{
    auto* page = static_cast<CProgramFolderPage*>(m_pages.GetPage(kProgramFolder));
    if (page == nullptr)
        return;
    page->UpdateData(TRUE);
    bool editHoldsText = ::GetWindowTextLengthA(page->GetDlgItem(IDC_FOLDER_EDIT)) > 0;
    if (g_config.m_pszProgramFolder != nullptr && editHoldsText)
        ReplaceConfigString(&g_config.m_pszProgramFolder, page->m_strFolder);
}

void CWizardFrame::RunInstallation()
{
    ShowWindow(SW_HIDE);
    RunInstallProgress();
    ShowWindow(SW_SHOW);
    if (auto* finish = static_cast<CFinishPage*>(m_pages.GetPage(kFinish)))
        finish->m_nRestartDefault = 1;
    ::ShowWindow(GetDlgItem(IDC_FRAME_NEXT), SW_HIDE);
    ::ShowWindow(GetDlgItem(IDC_FRAME_BACK), SW_HIDE);
    SetDlgItemText(IDC_FRAME_CANCEL, GetTextOrEmpty("MSG 7"));
    m_pages.ShowPage(kFinish);
}

void CWizardFrame::EnterPageForward(int index)
{
    switch (index) {
    case kButtonModel: RestoreButtonModel(); break;
    case kDestination: StoreButtonModel(); break;
    case kProgramFolder: StoreDestination(); break;
    case kSummary: StoreProgramFolder(); break;
    case kFinish: RunInstallation(); break;
    default: break;
    }
}

void CWizardFrame::OnNext()
{
    // Next is hidden on the finish page; Enter cannot reach it there either.
    if (m_nPageIndex >= kFinish)
        return;
    if (m_nPageIndex++ == kWelcome)
        ::EnableWindow(GetDlgItem(IDC_FRAME_BACK), TRUE);
    ::SetFocus(GetDlgItem(IDC_FRAME_NEXT));
    EnterPageForward(m_nPageIndex);
    m_pages.ShowPage(m_nPageIndex);
}

void CWizardFrame::OnBack()
{
    if (m_nPageIndex >= kFinish)
        return;
    ::SetFocus(GetDlgItem(IDC_FRAME_BACK));
    --m_nPageIndex;
    if (m_nPageIndex == kButtonModel)
        RestoreButtonModel();
    else if (m_nPageIndex == kDestination)
        StoreButtonModel();
    if (m_nPageIndex <= kWelcome) {
        ::EnableWindow(GetDlgItem(IDC_FRAME_BACK), FALSE);
        SetStartCaptions();
        m_nPageIndex = kWelcome;
        ::SetFocus(GetDlgItem(IDC_FRAME_NEXT));
    }
    m_pages.ShowPage(m_nPageIndex);
}

void CWizardFrame::OnCancel()
{
    if (m_nPageIndex == kFinish) {
        CWnd* finish = m_pages.GetCurrentPage();
        bool restartNow = finish != nullptr && ::SendMessageA(finish->GetDlgItem(IDC_FINISH_RESTART_NOW), BM_GETCHECK,
                                                              0, 0) == BST_CHECKED;
        EndSetup(restartNow ? kResultRestartNow : kResultRestartLater);
        return;
    }
    if (ConfirmExit() == kResultAbandoned)
        EndSetup(kResultAbandoned);
}

void CWizardFrame::EndSetup(INT_PTR result)
{
    EndDialog(result);
    if (g_setup.m_pMainDlg != nullptr)
        g_setup.m_pMainDlg->EndDialog(result);
}

BOOL CWizardFrame::PreTranslateMessage(MSG* message)
{
    if (IsKeyDown(message, VK_RETURN)) {
        HWND focus = ::GetFocus();
        if (focus == GetDlgItem(IDC_FRAME_NEXT))
            OnNext();
        else if (focus == GetDlgItem(IDC_FRAME_BACK))
            OnBack();
        else if (focus == GetDlgItem(IDC_FRAME_CANCEL))
            OnCancel();
        message->wParam = 0;
    }
    if (IsKeyDown(message, VK_ESCAPE))
        message->wParam = 0;
    return CDialog::PreTranslateMessage(message);
}
