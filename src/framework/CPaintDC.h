#pragma once
// The paint context of one WM_PAINT, ended when the object goes.
#include <windows.h>

class CPaintDC {
public:
    explicit CPaintDC(HWND window) : m_hWnd(window), m_hDC(::BeginPaint(window, &m_ps)) {}
    ~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;
    operator HDC() const { return m_hDC; }  // NOLINT
    const PAINTSTRUCT& Info() const { return m_ps; }

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps = {};
    HDC m_hDC;
};
