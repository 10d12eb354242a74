#pragma once
// A window object over a window handle.
//
// How a message travels from the loop to a handler:
//  1. A modal loop (CDialog::RunModalLoop) takes the message from the queue and offers
//     it to CWnd::WalkPreTranslateTree: from the window the message is bound for up
//     through its parents and owners, each window that has an object gets
//     PreTranslateMessage; the first one to return TRUE has handled it. A dialog's
//     PreTranslateMessage runs the platform's dialog keyboard handling, so a page (a
//     child dialog) takes the keys of its controls before the frame sees them.
//  2. Otherwise the loop translates and dispatches it. Every window with an object has
//     its window procedure replaced by CWnd::StaticWindowProc (when it is created, by a
//     creation hook, or when a control is subclassed), which finds the object and calls
//     its virtual WindowProc.
//  3. WindowProc is a switch: a class handles the messages it knows in small On...
//     functions and passes every other message to its base class's WindowProc, down to
//     CWnd::WindowProc, which reflects notifications (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR*)
//     to the control that sent them (OnChildNotify), routes commands to OnCommand, and
//     finally calls DefWindowProc: the window's original procedure.
#include <windows.h>

#include "framework/CString.h"

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    // The handle of a window object that may be null.
    static HWND SafeHandle(const CWnd* window) { return window ? window->m_hWnd : nullptr; }

    // The object attached to a window, or null.
    static CWnd* FromHandlePermanent(HWND hwnd);
    // The pre-translation walk of step 1 above.
    static BOOL WalkPreTranslateTree(MSG* message);

    // Attaches this object to an existing window and routes its messages here.
    BOOL SubclassWindow(HWND hwnd);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();

    virtual BOOL PreTranslateMessage(MSG* message);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The window's own procedure (the one subclassing replaced), or DefWindowProc.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    BOOL DestroyWindow();

    // Thin calls on the window.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void SetWindowText(const char* text);
    CString GetWindowText() const;
    BOOL ShowWindow(int command);
    BOOL EnableWindow(BOOL enable);
    BOOL IsWindowVisible() const;
    BOOL IsWindowEnabled() const;
    BOOL IsIconic() const;
    HWND SetFocus();
    HWND GetDlgItem(int id) const;
    void SetDlgItemText(int id, const char* text);
    CString GetDlgItemText(int id) const;
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse);
    BOOL KillTimer(UINT_PTR id);
    void Invalidate(BOOL erase = TRUE);
    BOOL RedrawWindow(const RECT* rect, UINT flags);
    void GetClientRect(RECT* rect) const;
    void GetWindowRect(RECT* rect) const;
    void ScreenToClient(RECT* rect) const;
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    // Changes style bits; with frameFlags the frame is redrawn (SetWindowPos).
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT frameFlags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT frameFlags = 0);
    BOOL SetWindowPos(HWND after, int x, int y, int width, int height, UINT flags);
    void CenterWindow(HWND alternateOwner = nullptr);
    HFONT GetFont() const;
    HWND GetParent() const;
    int GetDlgCtrlID() const;

protected:
    // A notification the parent reflected to this control; TRUE when handled, with the
    // message's result in *result.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // A WM_COMMAND not handled by the control that sent it; TRUE when handled.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // Called once the object is attached to a window by SubclassWindow.
    virtual void PreSubclassWindow();
    // The last message of the window: the object is already detached.
    virtual void PostNcDestroy();

    static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Attaches this object to a window being created and routes its messages here.
    void AttachToNewWindow(HWND hwnd);

private:
    BOOL ReflectToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    void Detach();

    WNDPROC m_pfnSuper = nullptr;
};
