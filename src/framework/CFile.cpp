#include "framework/CFile.h"

namespace {

DWORD AccessFor(unsigned flags)
{
    switch (flags & 0x3) {
    case CFile::modeWrite: return GENERIC_WRITE;
    case CFile::modeReadWrite: return GENERIC_READ | GENERIC_WRITE;
    default: return GENERIC_READ;
    }
}

DWORD ShareFor(unsigned flags)
{
    switch (flags & 0x70) {
    case CFile::shareDenyWrite: return FILE_SHARE_READ;
    case CFile::shareDenyRead: return FILE_SHARE_WRITE;
    case CFile::shareDenyNone: return FILE_SHARE_READ | FILE_SHARE_WRITE;
    default: return 0;  // shareExclusive, and the default of no share flag
    }
}

}  // namespace

CFile::~CFile()
{
    Close();
}

bool CFile::Open(const char* path, unsigned flags)
{
    Close();
    DWORD disposition = (flags & modeCreate) ? CREATE_ALWAYS : OPEN_EXISTING;
    m_hFile = CreateFileA(path, AccessFor(flags), ShareFor(flags), nullptr, disposition,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
    return IsOpen();
}

bool CFile::Write(const void* data, DWORD count)
{
    if (!IsOpen())
        return false;
    DWORD written = 0;
    return WriteFile(m_hFile, data, count, &written, nullptr) && written == count;
}

DWORD CFile::Read(void* data, DWORD count)
{
    if (!IsOpen())
        return 0;
    DWORD read = 0;
    if (!ReadFile(m_hFile, data, count, &read, nullptr))
        return 0;
    return read;
}

void CFile::Close()
{
    if (IsOpen()) {
        CloseHandle(m_hFile);
        m_hFile = INVALID_HANDLE_VALUE;
    }
}
