#include "pages/CWelcomePage.h"

#include "framework/BoundedString.h"
#include "pages/PageTitle.h"
#include "resources/resource.h"
#include "session/ProductConfig.h"
#include "text/TextTable.h"

CWelcomePage::CWelcomePage() : CWizardPage(IDD_WELCOME_PAGE)
{
}

void CWelcomePage::DoDataExchange(CDataExchange* exchange)
{
    DDX_Control(exchange, IDC_PAGE_TITLE, m_ctlTitle);
    DDX_Control(exchange, IDC_PAGE_TEXT, m_ctlText1);
    DDX_Control(exchange, IDC_WELCOME_PRODUCT, m_ctlProduct);
    DDX_Control(exchange, IDC_WELCOME_TEXT2, m_ctlText2);
    DDX_Control(exchange, IDC_WELCOME_TEXT3, m_ctlText3);
    DDX_Control(exchange, IDC_WELCOME_TEXT4, m_ctlText4);
    DDX_Control(exchange, IDC_WELCOME_WARNING, m_ctlWarning);
    DDX_Control(exchange, IDC_WELCOME_TEXT6, m_ctlText6);
}

void CWelcomePage::OnShowWindow(BOOL show, UINT)
{
    if (!show)
        return;
    SetFrameCaption("DLG P1T");
    ShowPageTitle(m_ctlTitle, "DLG P1T");
    m_ctlText1.SetText(GetTextOrEmpty("DLG P11")).SetPointSize(9);
    // The product name is an argument, never part of the format.
    char product[MAX_PATH];
    if (!FormatBounded(product, sizeof product, "         %s",
                       g_config.m_pszProductName ? g_config.m_pszProductName : ""))
        CopyTruncated(product, sizeof product, g_config.m_pszProductName);
    m_ctlProduct.SetText(product).SetPointSize(9).SetBold(TRUE).SetTextColor(kPageBlue);
    m_ctlText2.SetText(GetTextOrEmpty("DLG P12")).SetPointSize(9);
    m_ctlText3.SetPointSize(9).SetText(GetTextOrEmpty("DLG P13"));
    m_ctlText4.SetPointSize(9).SetText(GetTextOrEmpty("DLG P14"));
    m_ctlWarning.SetBold(TRUE).SetTextColor(kPageRed).SetPointSize(10).SetText(GetTextOrEmpty("DLG P15"));
    m_ctlText6.SetPointSize(9).SetText(GetTextOrEmpty("DLG P16"));
}
