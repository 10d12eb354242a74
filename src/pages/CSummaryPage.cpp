#include "pages/CSummaryPage.h"

#include "pages/PageTitle.h"
#include "resources/resource.h"
#include "text/TextTable.h"

CSummaryPage::CSummaryPage() : CWizardPage(IDD_SUMMARY_PAGE)
{
}

void CSummaryPage::DoDataExchange(CDataExchange* exchange)
{
    DDX_Control(exchange, IDC_PAGE_TITLE, m_ctlTitle);
    DDX_Control(exchange, IDC_PAGE_TEXT, m_ctlText);
}

void CSummaryPage::OnShowWindow(BOOL show, UINT)
{
    if (!show)
        return;
    SetFrameCaption("DLG P5T");
    ShowPageTitle(m_ctlTitle, "DLG P5T");
    m_ctlText.SetText(GetTextOrEmpty("DLG P51")).SetPointSize(9);
}
