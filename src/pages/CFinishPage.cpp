#include "pages/CFinishPage.h"

#include "pages/PageTitle.h"
#include "resources/resource.h"
#include "session/ProductConfig.h"
#include "text/TextTable.h"

CFinishPage::CFinishPage() : CWizardPage(IDD_FINISH_PAGE)
{
}

void CFinishPage::DoDataExchange(CDataExchange* exchange)
{
    DDX_Control(exchange, IDC_PAGE_TITLE, m_ctlTitle);
    DDX_Control(exchange, IDC_PAGE_TEXT, m_ctlText);
    DDX_Control(exchange, IDC_FINISH_RESTART_NOW, m_ctlRestartNow);
    DDX_Control(exchange, IDC_FINISH_RESTART_LATER, m_ctlRestartLater);
}

void CFinishPage::OnShowWindow(BOOL show, UINT)
{
    if (!show)
        return;
    SetFrameCaption("DLG PFT");
    ShowPageTitle(m_ctlTitle, "DLG PFT");
    char finished[1024];
    (void)FormatNamedText(finished, sizeof finished, "DLG PF1", g_config.m_pszDisplayName);
    m_ctlText.SetText(finished).SetPointSize(9);
    SetDlgItemText(IDC_FINISH_TEXT2, GetTextOrEmpty("DLG PF2"));
    if (m_nRestartDefault != 0)
        m_ctlRestartNow.SetCheck(BST_CHECKED);
    else
        m_ctlRestartLater.SetCheck(BST_CHECKED);
    m_ctlRestartNow.SetWindowText(GetTextOrEmpty("DLG PF4"));
    m_ctlRestartLater.SetWindowText(GetTextOrEmpty("DLG PF5"));
}
