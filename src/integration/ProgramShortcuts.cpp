#include "integration/ProgramShortcuts.h"

#include <cstdio>
#include <cstring>

#include "entry/SetupState.h"
#include "framework/BoundedString.h"
#include "install/ProductFiles.h"
#include "install/UninstallLog.h"
#include "integration/CShellShortcut.h"
#include "session/CRegistryKey.h"
#include "session/ProductConfig.h"
#include "text/TextTable.h"
#include "text/TextTemplate.h"

namespace {

constexpr char kShellFoldersKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// The user's Programs folder and the product's program folder in it (read anew from
// the registry each time); false when the path does not fit.
bool ProgramFolderPath(char* out, size_t capacity)
{
    CRegistryKey registry;
    registry.SetRootKey(HKEY_CURRENT_USER);
    (void)registry.SelectKey(kShellFoldersKey, FALSE);
    CString programs = registry.ReadString("Programs", "");
    return FormatBounded(out, capacity, "%s\\%s", programs.GetString(),
                         g_config.m_pszProgramFolder ? g_config.m_pszProgramFolder : "");
}

// Copies at most length characters of text into a MAX_PATH field; false when too long.
bool CopyField(char* out, const char* text, size_t length)
{
    if (length >= MAX_PATH)
        return false;
    memcpy(out, text, length);
    out[length] = '\0';
    return true;
}

// A name with a percent sign takes MSG 12 in its one placeholder.
bool ExpandName(const char* name, char* out, size_t capacity)
{
    if (strchr(name, '%') == nullptr)
        return CopyBounded(out, capacity, name);
    return FillTextTemplate(out, capacity, name, GetText("MSG 12"));
}

bool DescribeShortcut(const IconsEntry& entry, const char* name, CShortcutInfo* info)
{
    char targetPath[MAX_PATH];
    char iconPath[MAX_PATH];
    if (!FormatBounded(targetPath, sizeof targetPath, "%s\\%s", g_setup.m_szInstallDir, entry.target))
        return false;
    if (entry.hasIcon) {
        if (!FormatBounded(iconPath, sizeof iconPath, "%s\\%s", g_setup.m_szInstallDir, entry.icon))
            return false;
    } else {
        (void)CopyBounded(iconPath, sizeof iconPath, targetPath);
    }
    info->m_strPath = targetPath;
    info->m_strArguments = "";
    info->m_strWorkingDir = g_setup.m_szInstallDir;
    info->m_strDescription = name;
    info->m_strIconPath = iconPath;
    info->m_nIconIndex = 0;
    info->m_nShowCmd = SW_SHOW;
    info->m_wHotkey = 0;
    return true;
}

// One entry: its shortcut is saved and recorded (the record also when the save fails).
// An entry outside the format, or whose paths do not fit, is skipped without a record.
void CreateShortcut(const char* value)
{
    IconsEntry entry;
    char name[MAX_PATH];
    char programFolder[MAX_PATH];
    char linkPath[MAX_PATH];
    CShortcutInfo info;
    if (!SplitIconsEntry(value, &entry) || !ExpandName(entry.name, name, sizeof name) ||
        !ProgramFolderPath(programFolder, sizeof programFolder) ||
        !DescribeShortcut(entry, name, &info) ||
        !FormatBounded(linkPath, sizeof linkPath, "%s\\%s.lnk", programFolder, name))
        return;
    CShellShortcut shortcut;
    if (!shortcut.Assign(info))
        return;
    (void)shortcut.Save(linkPath);
    WriteLogRecord(LOG_SHORTCUT, linkPath);
}

}  // namespace

bool SplitIconsEntry(const char* value, IconsEntry* entry)
{
    const char* first = strchr(value, ',');
    if (first == nullptr)
        return false;
    const char* second = strchr(first + 1, ',');
    const char* nameEnd = second ? second : first + strlen(first);
    entry->hasIcon = second != nullptr;
    return CopyField(entry->target, value, static_cast<size_t>(first - value)) &&
           CopyField(entry->name, first + 1, static_cast<size_t>(nameEnd - first - 1)) &&
           CopyField(entry->icon, second ? second + 1 : "", second ? strlen(second + 1) : 0);
}

void CreateProgramShortcuts()
{
    char configPath[MAX_PATH];
    bool haveConfig = FormatBounded(configPath, sizeof configPath, "%s\\%s", g_setup.m_szSourceDir, "setupm.ini");
    char programFolder[MAX_PATH];
    bool haveFolder = ProgramFolderPath(programFolder, sizeof programFolder);
    HRESULT com = CoInitialize(nullptr);
    if (haveFolder)
        CreatePath(programFolder, FALSE);
    for (int number = 1; haveConfig && haveFolder; ++number) {
        char key[16];
        snprintf(key, sizeof key, "%d", number);
        char value[MAX_PATH] = {};
        if (GetPrivateProfileStringA("Icons", key, "", value, sizeof value, configPath) == 0)
            break;
        CreateShortcut(value);
    }
    if (haveFolder && ProgramFolderPath(programFolder, sizeof programFolder))
        WriteLogRecord(LOG_PROGRAM_FOLDER, programFolder);
    // Only a successful initialisation is balanced.
    if (SUCCEEDED(com))
        CoUninitialize();
}
