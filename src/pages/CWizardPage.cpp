#include "pages/CWizardPage.h"

#include "entry/SetupState.h"
#include "text/TextTable.h"
#include "windows/CWizardFrame.h"

LRESULT CWizardPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_SHOWWINDOW)
        return CDialog::WindowProc(message, wParam, lParam);
    LRESULT result = CDialog::WindowProc(message, wParam, lParam);
    OnShowWindow(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));
    return result;
}

void CWizardPage::SetFrameCaption(const char* textName)
{
    if (g_setup.m_pWizardFrame != nullptr)
        g_setup.m_pWizardFrame->SetWindowText(GetTextOrEmpty(textName));
}
