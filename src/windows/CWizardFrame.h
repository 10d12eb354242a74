#pragma once
// The window the user walks through the setup in: the side picture, Back, Next and
// Cancel, and the six pages, one shown at a time. It carries the choices of a page
// into the session when the user leaves it forward, runs the installation between
// the summary and the finish page, and ends the main window with 2, 6 or 12.
#include "framework/CDialog.h"
#include "windows/CWizardPageList.h"

class CWizardFrame : public CDialog {
public:
    // The page indexes of the navigation.
    enum PageIndex { kWelcome, kButtonModel, kDestination, kProgramFolder, kSummary, kFinish };

    CWizardFrame();

    BOOL PreTranslateMessage(MSG* message) override;

    int m_nPageIndex = 0;
    CWizardPageList m_pages;

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnCancel() override;
    void OnNext();
    void OnBack();

private:
    // What leaving forward takes from the page before the new one is shown.
    void EnterPageForward(int index);
    void RestoreButtonModel();
    void StoreButtonModel();
    void StoreDestination();
    void StoreProgramFolder();
    void RunInstallation();
    void SetStartCaptions();
    // Ends this frame and the main window with result.
    void EndSetup(INT_PTR result);
};
