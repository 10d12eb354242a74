#include "session/CRegistryKey.h"

#include <cstring>

#include "framework/BoundedString.h"

namespace {

// Closes a key opened by one operation when the operation returns.
class OpenedKey {
public:
    OpenedKey() = default;
    ~OpenedKey() { if (m_hKey) RegCloseKey(m_hKey); }
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;
    HKEY* Receive() { return &m_hKey; }
    HKEY Get() const { return m_hKey; }

private:
    HKEY m_hKey = nullptr;
};

bool IsPredefinedRoot(HKEY root)
{
    return root == HKEY_CLASSES_ROOT || root == HKEY_CURRENT_USER ||
           root == HKEY_LOCAL_MACHINE || root == HKEY_USERS;
}

}  // namespace

CRegistryKey::CRegistryKey()
    : m_lLastResult(0), m_hRootKey(HKEY_CURRENT_USER), m_bNoFlush(TRUE), m_strKeyPath("")
{
}

CRegistryKey::~CRegistryKey()
{
    Reset();
}

void CRegistryKey::Reset()
{
    m_strKeyPath.Empty();
    m_hRootKey = HKEY_CURRENT_USER;
    m_bNoFlush = TRUE;
}

BOOL CRegistryKey::SetRootKey(HKEY root)
{
    if (!IsPredefinedRoot(root))
        return FALSE;
    m_hRootKey = root;
    return TRUE;
}

LONG CRegistryKey::OpenCurrent(REGSAM access, HKEY* key) const
{
    return RegOpenKeyExA(m_hRootKey, m_strKeyPath, 0, access, key);
}

void CRegistryKey::FlushIfWanted(HKEY key) const
{
    if (!m_bNoFlush)
        (void)RegFlushKey(key);
}

BOOL CRegistryKey::SelectKey(const char* path, BOOL create)
{
    if (path == nullptr || path[0] == '\0') {
        m_strKeyPath.Empty();
        return TRUE;
    }
    OpenedKey key;
    if (create) {
        DWORD disposition = 0;
        if (RegCreateKeyExA(m_hRootKey, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                            nullptr, key.Receive(), &disposition) != ERROR_SUCCESS)
            return FALSE;
    } else {
        m_lLastResult = RegOpenKeyExA(m_hRootKey, path, 0, KEY_ALL_ACCESS, key.Receive());
        if (m_lLastResult != ERROR_SUCCESS)
            return FALSE;
    }
    m_strKeyPath = path;
    FlushIfWanted(key.Get());
    return TRUE;
}

BOOL CRegistryKey::KeyExists(const char* path, HKEY root)
{
    OpenedKey key;
    HKEY base = root ? root : m_hRootKey;
    return RegOpenKeyExA(base, path ? path : "", 0, KEY_ALL_ACCESS, key.Receive()) == ERROR_SUCCESS;
}

BOOL CRegistryKey::DeleteKey(const char* path)
{
    if (!KeyExists(path, nullptr))
        return TRUE;
    return RegDeleteKeyA(m_hRootKey, path) == ERROR_SUCCESS;
}

BOOL CRegistryKey::DeleteValue(const char* name)
{
    OpenedKey key;
    if (OpenCurrent(KEY_SET_VALUE, key.Receive()) != ERROR_SUCCESS)
        return FALSE;
    return RegDeleteValueA(key.Get(), name) == ERROR_SUCCESS;
}

DWORD CRegistryKey::GetValueType(const char* name)
{
    OpenedKey key;
    m_lLastResult = OpenCurrent(KEY_QUERY_VALUE, key.Receive());
    if (m_lLastResult != ERROR_SUCCESS)
        return 0;
    DWORD type = REG_SZ;
    m_lLastResult = RegQueryValueExA(key.Get(), name, nullptr, &type, nullptr, nullptr);
    return m_lLastResult == ERROR_SUCCESS ? type : 0;
}

CString CRegistryKey::ReadString(const char* name, const char* defaultValue)
{
    DWORD type = GetValueType(name);
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        return CString(defaultValue);
    OpenedKey key;
    m_lLastResult = OpenCurrent(KEY_READ, key.Receive());
    if (m_lLastResult != ERROR_SUCCESS)
        return CString(defaultValue);
    // One byte more than the size handed to the registry keeps a value stored
    // without its terminator terminated.
    char buffer[256] = {};
    DWORD size = 255;
    m_lLastResult = RegQueryValueExA(key.Get(), name, nullptr, &type,
                                     reinterpret_cast<BYTE*>(buffer), &size);
    if (m_lLastResult != ERROR_SUCCESS)
        return CString(defaultValue);
    return CString(buffer);
}

DWORD CRegistryKey::ReadNumber(const char* name, DWORD defaultValue)
{
    OpenedKey key;
    if (OpenCurrent(KEY_READ, key.Receive()) != ERROR_SUCCESS)
        return defaultValue;
    DWORD value = 0;
    DWORD type = REG_DWORD;
    DWORD size = sizeof value;
    if (RegQueryValueExA(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
        ERROR_SUCCESS)
        return defaultValue;
    return value;
}

DWORD CRegistryKey::ReadBinary(const char* name, BYTE* destination)
{
    (void)GetValueType(name);
    OpenedKey key;
    m_lLastResult = OpenCurrent(KEY_READ, key.Receive());
    if (m_lLastResult != ERROR_SUCCESS)
        return 0;
    BYTE buffer[256] = {};
    DWORD type = 0;
    DWORD size = kBinaryCapacity;
    m_lLastResult = RegQueryValueExA(key.Get(), name, nullptr, &type, buffer, &size);
    if (m_lLastResult != ERROR_SUCCESS)
        return 0;
    memcpy(destination, buffer, size);
    return size;
}

BOOL CRegistryKey::WriteString(const char* name, const char* value)
{
    const char* text = value ? value : "";
    if (strlen(text) > kLongestString)
        return FALSE;
    char buffer[256];
    if (!CopyBounded(buffer, sizeof buffer, text))
        return FALSE;
    OpenedKey key;
    if (OpenCurrent(KEY_WRITE, key.Receive()) != ERROR_SUCCESS)
        return FALSE;
    LONG result = RegSetValueExA(key.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(buffer),
                                 static_cast<DWORD>(strlen(buffer) + 1));
    FlushIfWanted(key.Get());
    return result == ERROR_SUCCESS;
}

BOOL CRegistryKey::WriteNumber(const char* name, DWORD value)
{
    OpenedKey key;
    if (OpenCurrent(KEY_WRITE, key.Receive()) != ERROR_SUCCESS)
        return FALSE;
    LONG result = RegSetValueExA(key.Get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                 sizeof value);
    FlushIfWanted(key.Get());
    return result == ERROR_SUCCESS;
}
