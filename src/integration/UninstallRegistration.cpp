#include "integration/UninstallRegistration.h"

#include <windows.h>

#include "entry/SetupState.h"
#include "framework/BoundedString.h"
#include "install/ProductFiles.h"
#include "install/UninstallLog.h"
#include "session/CRegistryKey.h"
#include "session/ProductConfig.h"

namespace {

const char* OrEmpty(const char* text)
{
    return text ? text : "";
}

void WriteUninstallEntry(CRegistryKey& registry)
{
    const char* productName = OrEmpty(g_config.m_pszProductName);
    // Without a product name the path would name the list of installed programs itself.
    if (productName[0] == '\0')
        return;
    char uninstallKey[MAX_PATH];
    char uninstallCommand[MAX_PATH];
    if (!FormatBounded(uninstallKey, sizeof uninstallKey, "Software\\Microsoft\\windows\\CurrentVersion\\Uninstall\\%s",
                       productName) ||
        !registry.SelectKey(uninstallKey, TRUE))
        return;
    WriteLogRecord(LOG_UNINSTALL_KEY, uninstallKey);  // before any value is written
    (void)registry.WriteString("DisplayName", productName);
    if (FormatBounded(uninstallCommand, sizeof uninstallCommand, "%s\\%s", g_setup.m_szInstallDir,
                      ProductFileName(kUninstaller)))
        (void)registry.WriteString("UninstallString", uninstallCommand);
}

void WriteProductKey(CRegistryKey& registry)
{
    if (!registry.SelectKey("Software\\QUILLONWheel", TRUE))
        return;
    (void)registry.WriteString("AppPath", g_setup.m_szInstallDir);
    (void)registry.WriteString("ProductName", OrEmpty(g_config.m_pszProductName));
    (void)registry.WriteString("ProductKey", OrEmpty(g_config.m_pszProductKey));
}

}  // namespace

void RegisterUninstall()
{
    CRegistryKey registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    WriteUninstallEntry(registry);
    WriteProductKey(registry);
}
