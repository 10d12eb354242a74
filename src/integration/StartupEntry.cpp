#include "integration/StartupEntry.h"

#include <windows.h>

#include "entry/SetupState.h"
#include "framework/BoundedString.h"
#include "install/UninstallLog.h"
#include "session/CRegistryKey.h"
#include "session/ProductConfig.h"

namespace {

constexpr char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kRunValue[] = "FLMQUILLONWHEEL";
constexpr char kProductKey[] = "Software\\QUILLONWheel";

const char* OrEmpty(const char* text)
{
    return text ? text : "";
}

void WriteRunValue(CRegistryKey& registry)
{
    char command[MAX_PATH];
    bool haveCommand = FormatBounded(command, sizeof command, "%s\\%s", g_setup.m_szInstallDir,
                                     OrEmpty(g_config.m_pszProductKey));
    if (!registry.SelectKey(kRunKey, TRUE))
        return;
    // Stored without quotes or arguments; a command the registry class refuses (more
    // than 254 characters) is not written, and its record is written all the same.
    if (haveCommand)
        (void)registry.WriteString(kRunValue, command);
    WriteLogRecord(LOG_RUN_VALUE, kRunValue);
}

void WriteProductNames(CRegistryKey& registry)
{
    if (!registry.SelectKey(kProductKey, TRUE))
        return;
    (void)registry.WriteString("InstallName", OrEmpty(g_config.m_pszMainTitle));
    (void)registry.WriteString("SubInstallName", OrEmpty(g_config.m_pszCaptionBar));
}

void RaiseInstallCount(CRegistryKey& registry)
{
    char countKey[MAX_PATH];
    if (!FormatBounded(countKey, sizeof countKey, "SOFTWARE\\MORVASETUP\\%s", OrEmpty(g_config.m_pszMainTitle)))
        return;
    DWORD count = 1;
    if (registry.SelectKey(countKey, FALSE))
        count = registry.ReadNumber("INSTALLCOUNT", 0) + 1;
    else if (!registry.SelectKey(countKey, TRUE))
        return;  // no count key: the count is skipped rather than written elsewhere
    (void)registry.WriteNumber("INSTALLCOUNT", count);
}

}  // namespace

void WriteStartupEntry()
{
    CRegistryKey registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    WriteRunValue(registry);
    WriteProductNames(registry);
    RaiseInstallCount(registry);
}
