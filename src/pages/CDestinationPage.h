#pragma once
// Page 2: the folder the product is installed into, typed or picked with the folder
// browser. The frame copies it into the session when the user moves on.
#include "controls/CEditEx.h"
#include "controls/CLinkLabel.h"
#include "pages/CWizardPage.h"

class CDestinationPage : public CWizardPage {
public:
    CDestinationPage();

    CLinkLabel m_ctlTitle;
    CLinkLabel m_ctlSize;
    CEditEx m_ctlFolder;
    CString m_strFolder;

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnShowWindow(BOOL show, UINT status) override;
    void OnBrowse();
};
