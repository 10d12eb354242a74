#pragma once
// Page 4: the last page before the installation; Next on it starts the installation.
#include "controls/CLinkLabel.h"
#include "pages/CWizardPage.h"

class CSummaryPage : public CWizardPage {
public:
    CSummaryPage();

    CLinkLabel m_ctlTitle;
    CLinkLabel m_ctlText;

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    void OnShowWindow(BOOL show, UINT status) override;
};
