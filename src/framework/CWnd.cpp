#include "framework/CWnd.h"

namespace {

// The window property that holds a window's object.
constexpr char kObjectProperty[] = "SetupFramework.Object";

bool IsCtlColorMessage(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

}  // namespace

CWnd::~CWnd()
{
    if (m_hWnd != nullptr && IsWindow(m_hWnd)) {
        HWND hwnd = m_hWnd;
        Detach();
        (void)::DestroyWindow(hwnd);
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd)
{
    if (hwnd == nullptr)
        return nullptr;
    return static_cast<CWnd*>(GetPropA(hwnd, kObjectProperty));
}

BOOL CWnd::WalkPreTranslateTree(MSG* message)
{
    for (HWND hwnd = message->hwnd; hwnd != nullptr; hwnd = ::GetParent(hwnd)) {
        CWnd* window = FromHandlePermanent(hwnd);
        if (window != nullptr && window->PreTranslateMessage(message))
            return TRUE;
    }
    return FALSE;
}

void CWnd::AttachToNewWindow(HWND hwnd)
{
    m_hWnd = hwnd;
    SetPropA(hwnd, kObjectProperty, this);
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StaticWindowProc)));
}

BOOL CWnd::SubclassWindow(HWND hwnd)
{
    if (hwnd == nullptr || m_hWnd != nullptr || FromHandlePermanent(hwnd) != nullptr)
        return FALSE;
    AttachToNewWindow(hwnd);
    PreSubclassWindow();
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    return parent != nullptr && SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow()
{
    HWND hwnd = m_hWnd;
    Detach();
    return hwnd;
}

void CWnd::Detach()
{
    if (m_hWnd == nullptr)
        return;
    if (m_pfnSuper != nullptr)
        SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    RemovePropA(m_hWnd, kObjectProperty);
    m_pfnSuper = nullptr;
    m_hWnd = nullptr;
}

LRESULT CALLBACK CWnd::StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* window = FromHandlePermanent(hwnd);
    if (window == nullptr)
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    if (message != WM_NCDESTROY)
        return window->WindowProc(message, wParam, lParam);
    // The window goes: the object lets go of it before its last message is answered.
    WNDPROC super = window->m_pfnSuper;
    window->Detach();
    LRESULT result = super ? CallWindowProcA(super, hwnd, message, wParam, lParam)
                           : ::DefWindowProcA(hwnd, message, wParam, lParam);
    window->PostNcDestroy();
    return result;
}

BOOL CWnd::PreTranslateMessage(MSG* /*message*/)
{
    return FALSE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::ReflectToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    CWnd* control = FromHandlePermanent(child);
    return control != nullptr && control != this && control->OnChildNotify(message, wParam, lParam, result);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    switch (message) {
    case WM_COMMAND:
        if (lParam != 0 && ReflectToChild(reinterpret_cast<HWND>(lParam), message, wParam, lParam, &result))
            return result;
        if (OnCommand(wParam, lParam))
            return 0;
        break;
    case WM_NOTIFY: {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header != nullptr && ReflectToChild(header->hwndFrom, message, wParam, lParam, &result))
            return result;
        break;
    }
    default:
        if (IsCtlColorMessage(message) &&
            ReflectToChild(reinterpret_cast<HWND>(lParam), message, wParam, lParam, &result))
            return result;
        break;
    }
    return DefWindowProc(message, wParam, lParam);
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*)
{
    return FALSE;
}

BOOL CWnd::OnCommand(WPARAM, LPARAM)
{
    return FALSE;
}

void CWnd::PreSubclassWindow()
{
}

void CWnd::PostNcDestroy()
{
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    return ::DestroyWindow(m_hWnd);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

void CWnd::SetWindowText(const char* text)
{
    (void)::SetWindowTextA(m_hWnd, text ? text : "");
}

CString CWnd::GetWindowText() const
{
    int length = ::GetWindowTextLengthA(m_hWnd);
    if (length <= 0)
        return CString();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int got = ::GetWindowTextA(m_hWnd, &text[0], length + 1);
    return CString(text.c_str(), static_cast<size_t>(got > 0 ? got : 0));
}

BOOL CWnd::ShowWindow(int command)
{
    return ::ShowWindow(m_hWnd, command);
}

BOOL CWnd::EnableWindow(BOOL enable)
{
    return ::EnableWindow(m_hWnd, enable);
}

BOOL CWnd::IsWindowVisible() const
{
    return ::IsWindowVisible(m_hWnd);
}

BOOL CWnd::IsWindowEnabled() const
{
    return ::IsWindowEnabled(m_hWnd);
}

BOOL CWnd::IsIconic() const
{
    return ::IsIconic(m_hWnd);
}

HWND CWnd::SetFocus()
{
    return ::SetFocus(m_hWnd);
}

HWND CWnd::GetDlgItem(int id) const
{
    return ::GetDlgItem(m_hWnd, id);
}

void CWnd::SetDlgItemText(int id, const char* text)
{
    (void)::SetDlgItemTextA(m_hWnd, id, text ? text : "");
}

CString CWnd::GetDlgItemText(int id) const
{
    HWND item = ::GetDlgItem(m_hWnd, id);
    if (item == nullptr)
        return CString();
    int length = ::GetWindowTextLengthA(item);
    if (length <= 0)
        return CString();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int got = ::GetWindowTextA(item, &text[0], length + 1);
    return CString(text.c_str(), static_cast<size_t>(got > 0 ? got : 0));
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse)
{
    return ::SetTimer(m_hWnd, id, elapse, nullptr);
}

BOOL CWnd::KillTimer(UINT_PTR id)
{
    return ::KillTimer(m_hWnd, id);
}

void CWnd::Invalidate(BOOL erase)
{
    (void)::InvalidateRect(m_hWnd, nullptr, erase);
}

BOOL CWnd::RedrawWindow(const RECT* rect, UINT flags)
{
    return ::RedrawWindow(m_hWnd, rect, nullptr, flags);
}

void CWnd::GetClientRect(RECT* rect) const
{
    (void)::GetClientRect(m_hWnd, rect);
}

void CWnd::GetWindowRect(RECT* rect) const
{
    (void)::GetWindowRect(m_hWnd, rect);
}

void CWnd::ScreenToClient(RECT* rect) const
{
    POINT corners[2] = {{rect->left, rect->top}, {rect->right, rect->bottom}};
    (void)::MapWindowPoints(nullptr, m_hWnd, corners, 2);
    *rect = {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

DWORD CWnd::GetStyle() const
{
    return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE));
}

DWORD CWnd::GetExStyle() const
{
    return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE));
}

namespace {

BOOL ModifyLong(HWND hwnd, int index, DWORD remove, DWORD add, UINT frameFlags)
{
    DWORD style = static_cast<DWORD>(::GetWindowLongPtrA(hwnd, index));
    DWORD changed = (style & ~remove) | add;
    if (changed == style)
        return FALSE;
    ::SetWindowLongPtrA(hwnd, index, static_cast<LONG_PTR>(changed));
    if (frameFlags != 0)
        ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | frameFlags);
    return TRUE;
}

}  // namespace

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT frameFlags)
{
    return ModifyLong(m_hWnd, GWL_STYLE, remove, add, frameFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT frameFlags)
{
    return ModifyLong(m_hWnd, GWL_EXSTYLE, remove, add, frameFlags);
}

BOOL CWnd::SetWindowPos(HWND after, int x, int y, int width, int height, UINT flags)
{
    return ::SetWindowPos(m_hWnd, after, x, y, width, height, flags);
}

void CWnd::CenterWindow(HWND alternateOwner)
{
    HWND owner = alternateOwner ? alternateOwner : ::GetWindow(m_hWnd, GW_OWNER);
    RECT area;
    if (owner != nullptr && ::IsWindowVisible(owner) && !::IsIconic(owner))
        ::GetWindowRect(owner, &area);
    else
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    RECT own;
    ::GetWindowRect(m_hWnd, &own);
    int width = own.right - own.left;
    int height = own.bottom - own.top;
    int x = area.left + ((area.right - area.left) - width) / 2;
    int y = area.top + ((area.bottom - area.top) - height) / 2;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HFONT CWnd::GetFont() const
{
    return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
}

HWND CWnd::GetParent() const
{
    return ::GetParent(m_hWnd);
}

int CWnd::GetDlgCtrlID() const
{
    return ::GetDlgCtrlID(m_hWnd);
}
