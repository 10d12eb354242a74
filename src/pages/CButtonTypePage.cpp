#include "pages/CButtonTypePage.h"

#include "entry/SetupState.h"
#include "pages/PageTitle.h"
#include "resources/resource.h"
#include "text/TextTable.h"

CButtonTypePage::CButtonTypePage() : CWizardPage(IDD_BUTTON_MODEL_PAGE)
{
}

void CButtonTypePage::DoDataExchange(CDataExchange* exchange)
{
    DDX_Control(exchange, IDC_PAGE_TITLE, m_ctlTitle);
    DDX_Control(exchange, IDC_PAGE_TEXT, m_ctlText);
    DDX_Control(exchange, IDC_MODEL_FIRST_LABEL, m_ctlFirstLabel);
    DDX_Control(exchange, IDC_MODEL_SECOND_LABEL, m_ctlSecondLabel);
    DDX_Control(exchange, IDC_MODEL_FIRST, m_ctlFirst);
    DDX_Control(exchange, IDC_MODEL_SECOND, m_ctlSecond);
}

void CButtonTypePage::OnShowWindow(BOOL show, UINT)
{
    if (!show)
        return;
    SetFrameCaption("DLG P7T");
    ShowPageTitle(m_ctlTitle, "DLG P7T");
    m_ctlText.SetText(GetTextOrEmpty("DLG P71")).SetPointSize(9);
    m_ctlFirstLabel.SetText(GetTextOrEmpty("DLG PWHEEL3")).SetBold(TRUE).SetTextColor(kPageBlue).SetPointSize(9);
    m_ctlSecondLabel.SetText(GetTextOrEmpty("DLG PWHEEL5")).SetBold(TRUE).SetTextColor(kPageBlue).SetPointSize(9);
    m_ctlFirst.SetCheck(BST_UNCHECKED);
    m_ctlSecond.SetCheck(BST_UNCHECKED);
    if (g_setup.m_nButtonModel != 0)
        m_ctlFirst.SetCheck(BST_CHECKED);
    else
        m_ctlSecond.SetCheck(BST_CHECKED);
}
