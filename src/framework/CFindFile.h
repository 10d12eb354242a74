#pragma once
// A file search that ends itself.
#include <windows.h>

class CFindFile {
public:
    CFindFile() = default;
    ~CFindFile() { Close(); }
    CFindFile(const CFindFile&) = delete;
    CFindFile& operator=(const CFindFile&) = delete;

    // The first entry matching pattern; false when there is none.
    bool FindFirst(const char* pattern)
    {
        Close();
        m_hFind = ::FindFirstFileA(pattern, &m_data);
        return m_hFind != INVALID_HANDLE_VALUE;
    }
    bool FindNext() { return m_hFind != INVALID_HANDLE_VALUE && ::FindNextFileA(m_hFind, &m_data); }
    const WIN32_FIND_DATAA& Data() const { return m_data; }
    void Close()
    {
        if (m_hFind != INVALID_HANDLE_VALUE)
            ::FindClose(m_hFind);
        m_hFind = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE m_hFind = INVALID_HANDLE_VALUE;
    WIN32_FIND_DATAA m_data = {};
};
