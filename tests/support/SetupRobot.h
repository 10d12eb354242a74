#pragma once
// The robot that walks through a setup session: it knows the setup's windows (the
// main window, the wizard frame and its pages, the message dialog, the progress
// window) and does what a person does with them. It runs on its own thread while the
// session runs on the interface thread.
#include <string>

#include "Robot.h"

class SetupRobot : public Robot {
public:
    enum Page { kWelcome, kButtonModel, kDestination, kProgramFolder, kSummary, kFinish, kNoPage = -1 };

    explicit SetupRobot(DWORD uiThread) : Robot(uiThread) {}

    HWND Frame() const;
    HWND MainWindow() const;
    HWND MessageDialog() const;
    HWND ProgressWindow() const;
    // The page the frame shows, and which one it is.
    HWND CurrentPage() const;
    static Page PageOf(HWND page);

    // Waits for the frame to show page; false after the timeout.
    bool WaitForPage(Page page, DWORD timeoutMs = 10000) const;
    HWND WaitForMessageDialog(DWORD timeoutMs = 10000) const;

    // The frame's buttons.
    void Next() const { Click(FrameButton(1002)); }
    void Back() const { Click(FrameButton(1001)); }
    void Cancel() const { Click(FrameButton(1010)); }
    HWND FrameButton(int id) const { return GetDlgItem(Frame(), id); }
    // A control of the page the frame shows.
    HWND PageControl(int id) const { return GetDlgItem(CurrentPage(), id); }

    // Next from the welcome page to page, waiting for each page on the way.
    bool WalkTo(Page page) const;
    // Next on the summary page: waits through the installation to the finish page.
    bool InstallAndWaitForFinish(DWORD timeoutMs = 60000) const;
    // Cancel and answer the question with button (IDOK stays, IDCANCEL leaves).
    bool CancelAndAnswer(int button) const;

    // Returns once the interface thread has finished what it was doing for window.
    static void Settle(HWND window);

    // Ends whatever is left of a session that went wrong, so the test does not hang.
    void Rescue() const;
};
