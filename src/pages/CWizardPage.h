#pragma once
// What every wizard page shares: a modeless child dialog of the wizard frame that
// refills its controls each time it is shown.
#include "framework/CDialog.h"

class CWizardPage : public CDialog {
public:
    explicit CWizardPage(UINT templateId) : CDialog(templateId, nullptr) {}

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    // Called after the default handling of WM_SHOWWINDOW.
    virtual void OnShowWindow(BOOL show, UINT status) = 0;
    // Enter and Escape in a page's controls reach the page as IDOK and IDCANCEL through
    // the dialog keyboard handling. A page is not ended by them: ending a modeless
    // dialog would hide it and leave the frame without a page.
    void OnOK() override {}
    void OnCancel() override {}
    // Sets the wizard frame's caption to the page's title.
    static void SetFrameCaption(const char* textName);
};
