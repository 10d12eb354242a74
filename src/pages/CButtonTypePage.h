#pragma once
// Page 1: which of the two button models is installed. The page shows the stored
// choice; the frame stores it when the user moves on.
#include "controls/CLinkLabel.h"
#include "framework/CButton.h"
#include "pages/CWizardPage.h"

class CButtonTypePage : public CWizardPage {
public:
    CButtonTypePage();

    CLinkLabel m_ctlTitle;
    CLinkLabel m_ctlText;
    CLinkLabel m_ctlFirstLabel;
    CLinkLabel m_ctlSecondLabel;
    CButton m_ctlFirst;
    CButton m_ctlSecond;

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    void OnShowWindow(BOOL show, UINT status) override;
};
