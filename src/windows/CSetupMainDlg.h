#pragma once
// The full-screen backdrop of the setup: a blue-to-black gradient with the title in
// large white italic letters. It hosts the wizard frame, keeps handing it the focus,
// and its modal result is the session's result.
#include "framework/CDialog.h"
#include "windows/CWizardFrame.h"
#include "windows/GradientFill.h"

class CSetupMainDlg : public CDialog {
public:
    CSetupMainDlg();
    ~CSetupMainDlg() override;

    BOOL PreTranslateMessage(MSG* message) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    backdrop::GradientFill* m_pGradient;
    HICON m_hIcon;
    CWizardFrame m_wizardFrame;

protected:
    BOOL OnInitDialog() override;
    void OnPaint();
    BOOL OnEraseBkgnd(HDC dc);
    HICON OnQueryDragIcon() const { return m_hIcon; }
    void OnShowWindow(BOOL show, UINT status);
    void OnDestroy();

private:
    void PaintIcon();
    void FocusFrame();
};
