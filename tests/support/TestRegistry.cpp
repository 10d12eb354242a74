#include "TestRegistry.h"

namespace testreg {

namespace {

class Key {
public:
    Key(HKEY root, const std::string& path, bool create)
    {
        if (create)
            m_ok = RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_key, nullptr) ==
                   ERROR_SUCCESS;
        else
            m_ok = RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS, &m_key) == ERROR_SUCCESS;
    }
    ~Key() { if (m_ok) RegCloseKey(m_key); }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    bool Ok() const { return m_ok; }
    HKEY Get() const { return m_key; }

private:
    HKEY m_key = nullptr;
    bool m_ok = false;
};

}  // namespace

bool SetBytes(HKEY root, const std::string& path, const std::string& name, DWORD type,
              const std::vector<unsigned char>& bytes)
{
    Key key(root, path, true);
    return key.Ok() && RegSetValueExA(key.Get(), name.c_str(), 0, type, bytes.data(),
                                      static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
}

bool SetString(HKEY root, const std::string& path, const std::string& name, const std::string& value, DWORD type)
{
    std::vector<unsigned char> bytes(value.begin(), value.end());
    bytes.push_back(0);
    return SetBytes(root, path, name, type, bytes);
}

bool SetNumber(HKEY root, const std::string& path, const std::string& name, DWORD value)
{
    const unsigned char* raw = reinterpret_cast<const unsigned char*>(&value);
    return SetBytes(root, path, name, REG_DWORD, std::vector<unsigned char>(raw, raw + sizeof value));
}

bool CreateKey(HKEY root, const std::string& path)
{
    Key key(root, path, true);
    return key.Ok();
}

void DeleteTree(HKEY root, const std::string& path)
{
    {
        Key key(root, path, false);
        if (!key.Ok())
            return;
        char name[MAX_PATH];
        for (;;) {
            DWORD length = sizeof name;
            if (RegEnumKeyExA(key.Get(), 0, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
                break;
            DeleteTree(root, path + "\\" + name);
        }
    }
    RegDeleteKeyA(root, path.c_str());
}

void DeleteValue(HKEY root, const std::string& path, const std::string& name)
{
    Key key(root, path, false);
    if (key.Ok())
        RegDeleteValueA(key.Get(), name.c_str());
}

bool KeyExists(HKEY root, const std::string& path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

bool ValueExists(HKEY root, const std::string& path, const std::string& name)
{
    return ValueType(root, path, name) != REG_NONE || !ReadBytes(root, path, name).empty();
}

DWORD ValueType(HKEY root, const std::string& path, const std::string& name)
{
    Key key(root, path, false);
    DWORD type = REG_NONE;
    if (!key.Ok() || RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type, nullptr, nullptr) != ERROR_SUCCESS)
        return REG_NONE;
    return type;
}

std::vector<unsigned char> ReadBytes(HKEY root, const std::string& path, const std::string& name)
{
    Key key(root, path, false);
    DWORD size = 0;
    if (!key.Ok() || RegQueryValueExA(key.Get(), name.c_str(), nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS)
        return {};
    std::vector<unsigned char> bytes(size);
    if (size > 0 && RegQueryValueExA(key.Get(), name.c_str(), nullptr, nullptr, bytes.data(), &size) != ERROR_SUCCESS)
        return {};
    bytes.resize(size);
    return bytes;
}

std::string ReadString(HKEY root, const std::string& path, const std::string& name)
{
    if (ValueType(root, path, name) == REG_NONE)
        return "<missing>";
    std::vector<unsigned char> bytes = ReadBytes(root, path, name);
    std::string text(bytes.begin(), bytes.end());
    size_t end = text.find('\0');
    return end == std::string::npos ? text : text.substr(0, end);
}

DWORD ReadNumber(HKEY root, const std::string& path, const std::string& name, DWORD missing)
{
    std::vector<unsigned char> bytes = ReadBytes(root, path, name);
    if (bytes.size() != sizeof(DWORD))
        return missing;
    DWORD value = 0;
    memcpy(&value, bytes.data(), sizeof value);
    return value;
}

std::vector<unsigned char> MultiString(const std::vector<std::string>& strings)
{
    std::vector<unsigned char> bytes;
    for (const std::string& text : strings) {
        bytes.insert(bytes.end(), text.begin(), text.end());
        bytes.push_back(0);
    }
    bytes.push_back(0);
    return bytes;
}

ScopedKey::ScopedKey(HKEY root, std::string path) : m_root(root), m_path(std::move(path))
{
    DeleteTree(m_root, m_path);
}

ScopedKey::~ScopedKey()
{
    DeleteTree(m_root, m_path);
}

RestrictedKeyAccess::RestrictedKeyAccess(HKEY root, const std::string& path, REGSAM allowed)
    : m_root(root), m_path(path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, READ_CONTROL | WRITE_DAC, &key) != ERROR_SUCCESS)
        return;
    DWORD size = 0;
    RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, nullptr, &size);
    m_previous.resize(size);
    if (size == 0 ||
        RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, m_previous.data(), &size) != ERROR_SUCCESS) {
        RegCloseKey(key);
        return;
    }
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
    unsigned char aclBuffer[256];
    PACL acl = reinterpret_cast<PACL>(aclBuffer);
    InitializeAcl(acl, sizeof aclBuffer, ACL_REVISION);
    // The test keeps the right to put the old security back.
    AddAccessAllowedAce(acl, ACL_REVISION, allowed | READ_CONTROL | WRITE_DAC, everyone);
    SECURITY_DESCRIPTOR descriptor;
    InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE);
    m_applied = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &descriptor) == ERROR_SUCCESS;
    FreeSid(everyone);
    RegCloseKey(key);
}

RestrictedKeyAccess::~RestrictedKeyAccess()
{
    if (!m_applied)
        return;
    HKEY key = nullptr;
    if (RegOpenKeyExA(m_root, m_path.c_str(), 0, WRITE_DAC, &key) != ERROR_SUCCESS)
        return;
    RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, m_previous.data());
    RegCloseKey(key);
}

}  // namespace testreg
