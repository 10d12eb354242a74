#pragma once
// A memory device context compatible with another, deleted when the object goes.
#include <windows.h>

class CMemoryDC {
public:
    explicit CMemoryDC(HDC compatibleWith) : m_hDC(::CreateCompatibleDC(compatibleWith)) {}
    ~CMemoryDC()
    {
        if (m_hDC != nullptr)
            ::DeleteDC(m_hDC);
    }
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;
    operator HDC() const { return m_hDC; }  // NOLINT

private:
    HDC m_hDC;
};
