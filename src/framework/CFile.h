#pragma once
// A file opened through the Windows file functions and owned by this object: the
// destructor closes it. Failures are results, never exceptions.
#include <windows.h>

class CFile {
public:
    enum OpenFlags : unsigned {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeCreate = 0x1000,
        typeText = 0x4000,  // accepted for completeness: files are never translated
        typeBinary = 0x8000,
    };

    CFile() = default;
    ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // modeCreate creates the file anew, truncating an existing one.
    bool Open(const char* path, unsigned flags);
    bool IsOpen() const { return m_hFile != INVALID_HANDLE_VALUE; }
    // Writes all bytes or reports failure; a closed file writes nothing.
    bool Write(const void* data, DWORD count);
    // Returns the number of bytes read, 0 at the end or on failure.
    DWORD Read(void* data, DWORD count);
    void Close();

private:
    HANDLE m_hFile = INVALID_HANDLE_VALUE;
};
