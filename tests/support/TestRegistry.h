#pragma once
// Direct registry access for tests: arranging values before a run and reading what the
// system wrote, without going through the class under test.
#include <windows.h>

#include <string>
#include <vector>

namespace testreg {

bool SetString(HKEY root, const std::string& path, const std::string& name, const std::string& value,
               DWORD type = REG_SZ);
bool SetNumber(HKEY root, const std::string& path, const std::string& name, DWORD value);
bool SetBytes(HKEY root, const std::string& path, const std::string& name, DWORD type,
              const std::vector<unsigned char>& bytes);
bool CreateKey(HKEY root, const std::string& path);
void DeleteTree(HKEY root, const std::string& path);
void DeleteValue(HKEY root, const std::string& path, const std::string& name);

bool KeyExists(HKEY root, const std::string& path);
bool ValueExists(HKEY root, const std::string& path, const std::string& name);
DWORD ValueType(HKEY root, const std::string& path, const std::string& name);
// The raw bytes of a value, empty when it is missing.
std::vector<unsigned char> ReadBytes(HKEY root, const std::string& path, const std::string& name);
// The text of a string value without its terminator, "<missing>" when absent.
std::string ReadString(HKEY root, const std::string& path, const std::string& name);
DWORD ReadNumber(HKEY root, const std::string& path, const std::string& name, DWORD missing);

// A multi-string value's bytes: each string and its terminator, then the final empty one.
std::vector<unsigned char> MultiString(const std::vector<std::string>& strings);

// Removes a key tree now and again when the scope ends.
class ScopedKey {
public:
    ScopedKey(HKEY root, std::string path);
    ~ScopedKey();
    ScopedKey(const ScopedKey&) = delete;
    ScopedKey& operator=(const ScopedKey&) = delete;
    const std::string& Path() const { return m_path; }

private:
    HKEY m_root;
    std::string m_path;
};

// Lets everyone open a key with the given access only, for the scope's duration; the
// key's previous security is put back afterwards.
class RestrictedKeyAccess {
public:
    RestrictedKeyAccess(HKEY root, const std::string& path, REGSAM allowed);
    ~RestrictedKeyAccess();
    RestrictedKeyAccess(const RestrictedKeyAccess&) = delete;
    RestrictedKeyAccess& operator=(const RestrictedKeyAccess&) = delete;
    bool Applied() const { return m_applied; }

private:
    HKEY m_root;
    std::string m_path;
    std::vector<unsigned char> m_previous;
    bool m_applied = false;
};

}  // namespace testreg
