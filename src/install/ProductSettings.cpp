#include "install/ProductSettings.h"

#include <windows.h>

#include "entry/SetupState.h"
#include "framework/BoundedString.h"

namespace {

struct SettingRow {
    const char* targetFile;
    const char* section;
    const char* key;
    const char* sourceSection;  // null: the value is the fixed text below
    const char* sourceKey;
    const char* fixedValue;
};

// In the order they are written; each row is read and written before the next.
constexpr SettingRow kRows[] = {
    {"PtrInfo.ini", "Manufacture", "Manufacture", "Manufacture", "Manufacture", nullptr},
    {"PtrInfo.ini", "Applications", "Main", "Applications", "Main", nullptr},
    {"PtrInfo.ini", "Applications", "IniFile", "Applications", "IniFile", nullptr},
    {"PtrInfo.ini", "Applications", "DllFile", "Applications", "DllFile", nullptr},
    {"PtrInfo.ini", "Strings", "Driver_Remove_Title", nullptr, nullptr, "Driver_Remove_Title"},
    {"PtrInfo.ini", "Strings", "Driver_Remove_Text", nullptr, nullptr, "Driver_Remove_Text"},
    {"PtrInfo.ini", "Strings", "Driver_Removing_Text", nullptr, nullptr, "Driver_Removing_Text"},
    {"OPTIONS.INI", "Main", "VER", "Product", "VER", nullptr},
};

}  // namespace

void WriteProductSettings()
{
    char configPath[MAX_PATH];
    bool haveConfig = FormatBounded(configPath, sizeof configPath, "%s\\%s", g_setup.m_szSourceDir, "setupm.ini");
    for (const SettingRow& row : kRows) {
        char target[MAX_PATH];
        if (!FormatBounded(target, sizeof target, "%s\\%s", g_setup.m_szInstallDir, row.targetFile))
            continue;
        char value[MAX_PATH] = {};
        if (row.sourceSection == nullptr)
            (void)CopyBounded(value, sizeof value, row.fixedValue);
        else if (haveConfig)
            (void)GetPrivateProfileStringA(row.sourceSection, row.sourceKey, "", value, sizeof value, configPath);
        (void)WritePrivateProfileStringA(row.section, row.key, value, target);
    }
}
