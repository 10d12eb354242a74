// The uninstall entry and the product key, in the prefix's registry.
#include "IntegrationFixture.h"
#include "integration/UninstallRegistration.h"

namespace {

const char kUninstall[] = "Software\\Microsoft\\windows\\CurrentVersion\\Uninstall\\Test Wheel Mouse";

using UninstallRegistrationTest = IntegrationFixture;

TEST_F(UninstallRegistrationTest, ListsTheProductWithItsUninstaller)
{
    Begin(StandardConfig());
    RegisterUninstall();
    std::string install = g_setup.m_szInstallDir;
    EXPECT_EQ(testreg::ReadString(HKEY_LOCAL_MACHINE, kUninstall, "DisplayName"), "Test Wheel Mouse");
    EXPECT_EQ(testreg::ReadString(HKEY_LOCAL_MACHINE, kUninstall, "UninstallString"), install + "\\remove00.exe")
        << "without quotes or arguments";
    EXPECT_EQ(testreg::ReadString(HKEY_LOCAL_MACHINE, "Software\\QUILLONWheel", "AppPath"), install);
    EXPECT_EQ(testreg::ReadString(HKEY_LOCAL_MACHINE, "Software\\QUILLONWheel", "ProductName"), "Test Wheel Mouse");
    EXPECT_EQ(testreg::ReadString(HKEY_LOCAL_MACHINE, "Software\\QUILLONWheel", "ProductKey"), "ptrctl32.exe");
    std::vector<UninstallLogRecord> records = LogRecords();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].kind, 0xFA);
    EXPECT_EQ(records[0].text, kUninstall);
}

TEST_F(UninstallRegistrationTest, ASecondInstallationRewritesTheSameValues)
{
    Begin(StandardConfig());
    RegisterUninstall();
    RegisterUninstall();
    EXPECT_EQ(testreg::ReadString(HKEY_LOCAL_MACHINE, kUninstall, "DisplayName"), "Test Wheel Mouse");
    EXPECT_EQ(LogRecords().size(), 2u);
}

TEST_F(UninstallRegistrationTest, TheRecordStandsEvenWhenAValueWriteFails)
{
    UseInstallFolderOfLength(243);  // the uninstall command: 243 + 13 = 256 characters
    Begin(StandardConfig());
    RegisterUninstall();
    EXPECT_FALSE(testreg::ValueExists(HKEY_LOCAL_MACHINE, kUninstall, "UninstallString"))
        << "a command of more than 254 characters is refused";
    EXPECT_EQ(testreg::ReadString(HKEY_LOCAL_MACHINE, kUninstall, "DisplayName"), "Test Wheel Mouse");
    std::vector<UninstallLogRecord> records = LogRecords();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].text, kUninstall);
}

TEST_F(UninstallRegistrationTest, AnUninstallKeyThatCannotBeOpenedWritesNoRecord)
{
    // The product's own entry is there already but closed to this user.
    testreg::CreateKey(HKEY_LOCAL_MACHINE, kUninstall);
    Begin(StandardConfig());
    {
        testreg::RestrictedKeyAccess readOnly(HKEY_LOCAL_MACHINE, kUninstall, KEY_READ);
        ASSERT_TRUE(readOnly.Applied());
        RegisterUninstall();
    }
    EXPECT_FALSE(testreg::ValueExists(HKEY_LOCAL_MACHINE, kUninstall, "DisplayName"));
    EXPECT_TRUE(LogRecords().empty());
    EXPECT_EQ(testreg::ReadString(HKEY_LOCAL_MACHINE, "Software\\QUILLONWheel", "ProductKey"), "ptrctl32.exe")
        << "the product's own key is still written";
}

TEST_F(UninstallRegistrationTest, WithoutAProductNameTheListItselfIsLeftAlone)
{
    const char uninstallList[] = "Software\\Microsoft\\windows\\CurrentVersion\\Uninstall";
    std::vector<IniEntry> config = StandardConfig();
    config[1].value = "";  // [Product] Product
    ASSERT_EQ(config[1].key, "Product");
    Begin(config);
    RegisterUninstall();
    EXPECT_FALSE(testreg::ValueExists(HKEY_LOCAL_MACHINE, uninstallList, "DisplayName"));
    EXPECT_FALSE(testreg::ValueExists(HKEY_LOCAL_MACHINE, uninstallList, "UninstallString"));
    EXPECT_TRUE(LogRecords().empty());
}

}  // namespace
