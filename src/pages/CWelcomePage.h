#pragma once
// Page 0: the greeting, the product name and six paragraphs.
#include "controls/CLinkLabel.h"
#include "pages/CWizardPage.h"

class CWelcomePage : public CWizardPage {
public:
    CWelcomePage();

    CLinkLabel m_ctlTitle;
    CLinkLabel m_ctlText1;
    CLinkLabel m_ctlProduct;
    CLinkLabel m_ctlText2;
    CLinkLabel m_ctlText3;
    CLinkLabel m_ctlText4;
    CLinkLabel m_ctlWarning;
    CLinkLabel m_ctlText6;

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    void OnShowWindow(BOOL show, UINT status) override;
};
