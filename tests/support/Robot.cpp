#include "Robot.h"

bool Robot::WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(10);
    }
}

std::vector<HWND> Robot::TopWindows() const
{
    std::vector<HWND> windows;
    EnumThreadWindows(
        m_uiThread,
        [](HWND window, LPARAM list) -> BOOL {
            if (IsWindowVisible(window))
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

HWND Robot::FindTopWindowWithControl(int id) const
{
    for (HWND window : TopWindows()) {
        if (id == 0 || GetDlgItem(window, id) != nullptr)
            return window;
    }
    return nullptr;
}

HWND Robot::WaitForTopWindowWithControl(int id, DWORD timeoutMs) const
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindTopWindowWithControl(id)) != nullptr; }, timeoutMs);
    return found;
}

HWND Robot::Focus() const
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(m_uiThread, &info) ? info.hwndFocus : nullptr;
}

std::string Robot::Text(HWND window)
{
    char text[2048] = {};
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

std::string Robot::ClassName(HWND window)
{
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

void Robot::Type(HWND edit, const std::string& text)
{
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    // WM_SETTEXT notifies the parent with EN_CHANGE like typing does.
}

void Robot::SelectListItem(HWND list, int index)
{
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
}

void Robot::Key(HWND window, WPARAM key, bool system)
{
    UINT down = system ? WM_SYSKEYDOWN : WM_KEYDOWN;
    UINT up = system ? WM_SYSKEYUP : WM_KEYUP;
    LPARAM altFlag = system ? (1 << 29) : 0;
    PostMessageA(window, down, key, 1 | altFlag);
    PostMessageA(window, up, key, static_cast<LPARAM>(0xC0000001u) | altFlag);
}
