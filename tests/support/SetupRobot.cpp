#include "SetupRobot.h"

namespace {

bool IsDialog(HWND window)
{
    return Robot::ClassName(window) == "#32770";
}

}  // namespace

HWND SetupRobot::Frame() const
{
    return FindTopWindowWithControl(300);
}

HWND SetupRobot::MainWindow() const
{
    HWND frame = Frame();
    if (frame != nullptr)
        return GetWindow(frame, GW_OWNER);
    for (HWND window : TopWindows()) {
        if (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_APPWINDOW)
            return window;
    }
    return nullptr;
}

HWND SetupRobot::MessageDialog() const
{
    for (HWND window : TopWindows()) {
        if (IsDialog(window) && GetDlgItem(window, IDOK) && GetDlgItem(window, IDCANCEL) && GetDlgItem(window, 1002))
            return window;
    }
    return nullptr;
}

HWND SetupRobot::ProgressWindow() const
{
    return FindTopWindowWithControl(1024);
}

HWND SetupRobot::CurrentPage() const
{
    HWND frame = Frame();
    for (HWND child = GetWindow(frame, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsDialog(child) && IsWindowVisible(child))
            return child;
    }
    return nullptr;
}

SetupRobot::Page SetupRobot::PageOf(HWND page)
{
    // Each page has one control that no other page has.
    if (page == nullptr)
        return kNoPage;
    if (GetDlgItem(page, 1007) && !GetDlgItem(page, 1001))
        return kWelcome;
    if (GetDlgItem(page, 1001) && GetDlgItem(page, 1002))
        return kButtonModel;
    if (GetDlgItem(page, 1019))
        return kDestination;
    if (GetDlgItem(page, 1014))
        return kProgramFolder;
    if (GetDlgItem(page, 1016))
        return kFinish;
    if (GetDlgItem(page, 1003))
        return kSummary;
    return kNoPage;
}

void SetupRobot::Settle(HWND window)
{
    // A message sent from another thread is handled only when the interface thread
    // next waits for messages, that is after the handler it is in has returned.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
}

bool SetupRobot::WaitForPage(Page page, DWORD timeoutMs) const
{
    auto shown = [&] { return PageOf(CurrentPage()) == page && MessageDialog() == nullptr; };
    if (!WaitUntil(shown, timeoutMs))
        return false;
    Settle(Frame());
    return shown();
}

HWND SetupRobot::WaitForMessageDialog(DWORD timeoutMs) const
{
    HWND dialog = nullptr;
    if (WaitUntil([&] { return (dialog = MessageDialog()) != nullptr; }, timeoutMs))
        Settle(dialog);
    return dialog;
}

bool SetupRobot::WalkTo(Page page) const
{
    if (!WaitForPage(kWelcome))
        return false;
    for (int index = kWelcome; index < page; ++index) {
        Next();
        if (!WaitForPage(static_cast<Page>(index + 1)))
            return false;
    }
    return true;
}

bool SetupRobot::InstallAndWaitForFinish(DWORD timeoutMs) const
{
    if (!WaitForPage(kSummary))
        return false;
    Next();
    return WaitForPage(kFinish, timeoutMs);
}

bool SetupRobot::CancelAndAnswer(int button) const
{
    Cancel();
    HWND dialog = WaitForMessageDialog();
    if (dialog == nullptr)
        return false;
    Click(GetDlgItem(dialog, button));
    return WaitUntil([&] { return MessageDialog() == nullptr; });
}

void SetupRobot::Rescue() const
{
    for (int attempt = 0; attempt < 100 && !TopWindows().empty(); ++attempt) {
        if (HWND dialog = MessageDialog())
            Click(GetDlgItem(dialog, IDCANCEL));
        else if (HWND main = MainWindow())
            Close(main);
        Sleep(100);
    }
}
