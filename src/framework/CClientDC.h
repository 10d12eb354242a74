#pragma once
// A device context of a window's client area, released when the object goes.
#include <windows.h>

class CClientDC {
public:
    explicit CClientDC(HWND window) : m_hWnd(window), m_hDC(::GetDC(window)) {}
    ~CClientDC()
    {
        if (m_hDC != nullptr)
            ::ReleaseDC(m_hWnd, m_hDC);
    }
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;
    operator HDC() const { return m_hDC; }  // NOLINT

private:
    HWND m_hWnd;
    HDC m_hDC;
};
