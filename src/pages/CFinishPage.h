#pragma once
// Page 5, shown once after the installation: restart Windows now or later. The frame
// reads the choice when the user closes the wizard.
#include "controls/CLinkLabel.h"
#include "framework/CButton.h"
#include "pages/CWizardPage.h"

class CFinishPage : public CWizardPage {
public:
    CFinishPage();

    CLinkLabel m_ctlTitle;
    CLinkLabel m_ctlText;
    CButton m_ctlRestartNow;
    CButton m_ctlRestartLater;
    int m_nRestartDefault = 0;  // non-zero: restart now is preselected

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    void OnShowWindow(BOOL show, UINT status) override;
};
