#include "session/ProductConfig.h"

#include <windows.h>
#include <shlobj.h>

#include <cstdlib>
#include <cstring>

#include "entry/SetupState.h"
#include "framework/BoundedString.h"
#include "session/CRegistryKey.h"

ProductConfig g_config = {};

namespace {

constexpr char kConfigFileName[] = "setupm.ini";
constexpr char kCurrentVersionKey[] = "Software\\microsoft\\windows\\currentversion";
constexpr char kProgramFilesValue[] = "programfilesDir";

struct ConfigEntry {
    char* ProductConfig::*member;
    const char* section;
    const char* key;
};

// The seven strings in the order they are read and released.
constexpr ConfigEntry kEntries[] = {
    {&ProductConfig::m_pszProductName, "Product", "Product"},
    {&ProductConfig::m_pszProductKey, "Product", "Key"},
    {&ProductConfig::m_pszTargetDir, "Target", "Dir"},
    {&ProductConfig::m_pszProgramFolder, "Target", "Folder"},
    {&ProductConfig::m_pszDisplayName, "Display Name", "Name"},
    {&ProductConfig::m_pszCaptionBar, "Title", "CaptionBar"},
    {&ProductConfig::m_pszMainTitle, "Title", "Main"},
};

void RecordStartFolder()
{
    DWORD length = GetCurrentDirectoryA(sizeof g_setup.m_szStartDir, g_setup.m_szStartDir);
    if (length == 0 || length >= sizeof g_setup.m_szStartDir)
        g_setup.m_szStartDir[0] = '\0';
}

void ReadConfigStrings(const char* configPath)
{
    char value[MAX_PATH];
    for (const ConfigEntry& entry : kEntries) {
        value[0] = '\0';
        if (configPath[0] != '\0')
            (void)GetPrivateProfileStringA(entry.section, entry.key, "", value, sizeof value, configPath);
        ReplaceConfigString(&(g_config.*entry.member), value);
    }
}

bool ShellProgramFilesFolder(char* out, size_t capacity)
{
    // Older shells do not know this folder; the call then fails and the base stays empty.
    LPITEMIDLIST items = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_PROGRAM_FILES, &items)) || items == nullptr)
        return false;
    char path[MAX_PATH] = {};
    BOOL found = SHGetPathFromIDListA(items, path);
    CoTaskMemFree(items);
    return found && CopyBounded(out, capacity, path);
}

bool ReadProgramFilesReadOnly(char* out, size_t capacity)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kCurrentVersionKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    char value[256] = {};
    DWORD size = sizeof value - 1;
    DWORD type = 0;
    LONG result = RegQueryValueExA(key, kProgramFilesValue, nullptr, &type,
                                   reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ) || value[0] == '\0')
        return false;
    return CopyBounded(out, capacity, value);
}

}  // namespace

void ReplaceConfigString(char** member, const char* text)
{
    const char* source = text ? text : "";
    size_t length = strlen(source);
    char* copy = static_cast<char*>(malloc(length + 1));
    if (copy != nullptr)
        memcpy(copy, source, length + 1);
    free(*member);
    *member = copy;
}

bool FallbackProgramFilesFolder(char* out, size_t capacity)
{
    return ReadProgramFilesReadOnly(out, capacity) || ShellProgramFilesFolder(out, capacity);
}

bool DefaultDestinationBase(char* out, size_t capacity)
{
    CRegistryKey registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    if (registry.SelectKey(kCurrentVersionKey, FALSE))
        return CopyBounded(out, capacity, registry.ReadString(kProgramFilesValue, ""));
    // Without full access to the key (a restricted user) the folder is read another way
    // rather than built from whatever the destination held before.
    return FallbackProgramFilesFolder(out, capacity);
}

void LoadProductConfig()
{
    RecordStartFolder();

    char configPath[MAX_PATH];
    if (!FormatBounded(configPath, sizeof configPath, "%s\\%s", g_setup.m_szSourceDir, kConfigFileName))
        configPath[0] = '\0';  // no file can be read: every value is empty
    ReadConfigStrings(configPath);

    char base[MAX_PATH] = {};
    if (!DefaultDestinationBase(base, sizeof base))
        base[0] = '\0';
    // A destination that does not fit stays empty rather than cut into another folder.
    if (!FormatBounded(g_setup.m_szInstallDir, sizeof g_setup.m_szInstallDir, "%s\\%s", base,
                       g_config.m_pszTargetDir ? g_config.m_pszTargetDir : ""))
        g_setup.m_szInstallDir[0] = '\0';
}

void ReleaseProductConfig()
{
    for (const ConfigEntry& entry : kEntries) {
        free(g_config.*entry.member);
        g_config.*entry.member = nullptr;
    }
}
