#pragma once
// Drives and reads the windows of the thread that runs a setup session, from a second
// thread of the same test program, the way a person would use them.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class Robot {
public:
    // uiThread: the thread whose windows the robot drives (the one calling DOINSTALL).
    explicit Robot(DWORD uiThread) : m_uiThread(uiThread) {}

    // Waits, checking every 10 ms, until condition holds; false after timeoutMs.
    static bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

    // The visible top-level windows of the interface thread.
    std::vector<HWND> TopWindows() const;
    // The first visible top-level window of the interface thread that has a control with
    // id (0: any), or null.
    HWND FindTopWindowWithControl(int id) const;
    // Waits for such a window.
    HWND WaitForTopWindowWithControl(int id, DWORD timeoutMs = 10000) const;
    // The window that has the keyboard focus on the interface thread.
    HWND Focus() const;

    static std::string Text(HWND window);
    static std::string ClassName(HWND window);
    static bool Visible(HWND window) { return window && IsWindowVisible(window); }
    static bool Enabled(HWND window) { return window && IsWindowEnabled(window); }
    static int Check(HWND button) { return static_cast<int>(SendMessageA(button, BM_GETCHECK, 0, 0)); }

    // A click as a button sends it (BM_CLICK), delivered by the interface thread's loop.
    static void Click(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }
    // Replaces the text of an edit control as typing would (the control notifies its parent).
    static void Type(HWND edit, const std::string& text);
    // Selects a list box item as a user would (the parent is told of the change).
    static void SelectListItem(HWND list, int index);
    // A key pressed and released in the window (through the interface thread's loop).
    static void Key(HWND window, WPARAM key, bool system = false);
    // Closes a window as its close box or Alt+F4 does.
    static void Close(HWND window) { PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); }

private:
    DWORD m_uiThread;
};
