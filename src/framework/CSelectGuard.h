#pragma once
// Selects a GDI object into a device context and selects the replaced one back when
// the guard goes.
#include <windows.h>

class CSelectGuard {
public:
    CSelectGuard(HDC dc, HGDIOBJ object) : m_hDC(dc), m_hPrevious(object ? ::SelectObject(dc, object) : nullptr) {}
    ~CSelectGuard()
    {
        if (m_hPrevious != nullptr)
            ::SelectObject(m_hDC, m_hPrevious);
    }
    CSelectGuard(const CSelectGuard&) = delete;
    CSelectGuard& operator=(const CSelectGuard&) = delete;

private:
    HDC m_hDC;
    HGDIOBJ m_hPrevious;
};
