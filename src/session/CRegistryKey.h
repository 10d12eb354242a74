#pragma once
// The one way the system reads and writes the registry. An object remembers a root and
// a key path; every operation opens the key, does its one call and closes it again, so
// no registry handle is ever held between two calls.
#include <windows.h>

#include "framework/CString.h"

class CRegistryKey {
public:
    CRegistryKey();
    ~CRegistryKey();
    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;

    void Reset();
    // Accepts only the four predefined roots; any other handle leaves the root as it was.
    BOOL SetRootKey(HKEY root);
    // An empty path selects the root itself. A failed select keeps the previous path.
    BOOL SelectKey(const char* path, BOOL create);
    // root 0 means the object's own root.
    BOOL KeyExists(const char* path, HKEY root);
    // TRUE also when the key does not open with full access (it counts as absent).
    BOOL DeleteKey(const char* path);
    BOOL DeleteValue(const char* name);
    DWORD GetValueType(const char* name);
    CString ReadString(const char* name, const char* defaultValue);
    DWORD ReadNumber(const char* name, DWORD defaultValue);
    // destination must hold at least kBinaryCapacity bytes; returns the bytes read.
    DWORD ReadBinary(const char* name, BYTE* destination);
    // Texts longer than kLongestString characters are refused.
    BOOL WriteString(const char* name, const char* value);
    BOOL WriteNumber(const char* name, DWORD value);

    static constexpr DWORD kBinaryCapacity = 255;
    static constexpr size_t kLongestString = 254;

    LONG LastResult() const { return m_lLastResult; }
    HKEY RootKey() const { return m_hRootKey; }
    const char* KeyPath() const { return m_strKeyPath; }

private:
    LONG OpenCurrent(REGSAM access, HKEY* key) const;
    void FlushIfWanted(HKEY key) const;

    LONG m_lLastResult;
    HKEY m_hRootKey;
    BOOL m_bNoFlush;
    CString m_strKeyPath;
};
