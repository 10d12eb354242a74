#include "pages/CDestinationPage.h"

#include <shlobj.h>

#include "controls/CFolderDialog.h"
#include "entry/SetupState.h"
#include "framework/BoundedString.h"
#include "pages/FolderEdit.h"
#include "pages/PageTitle.h"
#include "resources/resource.h"
#include "session/ProductConfig.h"
#include "text/TextTable.h"

namespace {

constexpr char kBrowseTitle[] = "Select the Directory you wish to monitor...";
constexpr char kSpaceRequired[] = "2.00 MB.";

}  // namespace

CDestinationPage::CDestinationPage() : CWizardPage(IDD_DESTINATION_PAGE), m_strFolder(g_setup.m_szInstallDir)
{
}

void CDestinationPage::DoDataExchange(CDataExchange* exchange)
{
    DDX_Control(exchange, IDC_PAGE_TITLE, m_ctlTitle);
    DDX_Control(exchange, IDC_DESTINATION_SPACE, m_ctlSize);
    DDX_Text(exchange, IDC_FOLDER_EDIT, m_strFolder);
}

BOOL CDestinationPage::OnInitDialog()
{
    CDialog::OnInitDialog();
    InitFolderEdit(*this, m_ctlFolder);
    return TRUE;
}

BOOL CDestinationPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == IDC_DESTINATION_BROWSE && HIWORD(wParam) == BN_CLICKED) {
        OnBrowse();
        return TRUE;
    }
    return CWizardPage::OnCommand(wParam, lParam);
}

void CDestinationPage::OnShowWindow(BOOL show, UINT)
{
    if (!show)
        return;
    SetFrameCaption("DLG P3T");
    ShowPageTitle(m_ctlTitle, "DLG P3T");
    m_ctlSize.SetText(kSpaceRequired).SetTextColor(kPageBlue).SetBold(TRUE).SetPointSize(9);
    m_ctlFolder.SetWindowText(g_setup.m_szInstallDir);
    char introduction[1024];
    (void)FormatNamedText(introduction, sizeof introduction, "DLG P31", g_config.m_pszDisplayName);
    SetDlgItemText(IDC_PAGE_TEXT, introduction);
    SetDlgItemText(IDC_FOLDER_TEXT2, GetTextOrEmpty("DLG P32"));
    SetDlgItemText(IDC_DESTINATION_SPACE_CAPTION, GetTextOrEmpty("DLG P33"));
    SetDlgItemText(IDC_DESTINATION_BROWSE, GetTextOrEmpty("MSG 8"));
}

void CDestinationPage::OnBrowse()
{
    CString current = m_ctlFolder.GetWindowText();
    CFolderDialog browser(kBrowseTitle, current, this, BIF_RETURNONLYFSDIRS);
    if (browser.DoModal() != IDOK)
        return;
    m_strFolder = browser.m_szPath;
    (void)CopyBounded(g_setup.m_szInstallDir, sizeof g_setup.m_szInstallDir, browser.m_szPath);
    m_ctlFolder.SetWindowText(g_setup.m_szInstallDir);
}
