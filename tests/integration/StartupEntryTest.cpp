// The startup entry, the product's names and the install count, in the prefix's registry.
#include "IntegrationFixture.h"
#include "integration/StartupEntry.h"

namespace {

const char kRun[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

using StartupEntryTest = IntegrationFixture;

TEST_F(StartupEntryTest, WritesTheRunValueTheNamesAndTheFirstCount)
{
    m_installPath = m_install.Join("Program Files With Blanks\\Test Wheel");
    Begin(StandardConfig());
    WriteStartupEntry();
    EXPECT_EQ(testreg::ReadString(HKEY_LOCAL_MACHINE, kRun, "FLMQUILLONWHEEL"), m_installPath + "\\ptrctl32.exe")
        << "without quotes or arguments, blanks and all";
    EXPECT_EQ(testreg::ReadString(HKEY_LOCAL_MACHINE, "Software\\QUILLONWheel", "InstallName"), "TestWheelMain");
    EXPECT_EQ(testreg::ReadString(HKEY_LOCAL_MACHINE, "Software\\QUILLONWheel", "SubInstallName"), "Test Wheel Control");
    EXPECT_EQ(testreg::ValueType(HKEY_LOCAL_MACHINE, "SOFTWARE\\MORVASETUP\\TestWheelMain", "INSTALLCOUNT"),
              static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(testreg::ReadNumber(HKEY_LOCAL_MACHINE, "SOFTWARE\\MORVASETUP\\TestWheelMain", "INSTALLCOUNT", 0), 1u);
    std::vector<UninstallLogRecord> records = LogRecords();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].kind, 0xFD);
    EXPECT_EQ(records[0].text, "FLMQUILLONWHEEL");
}

TEST_F(StartupEntryTest, EachInstallationOfATitleRaisesItsOwnCount)
{
    Begin(StandardConfig());
    WriteStartupEntry();
    WriteStartupEntry();
    EXPECT_EQ(testreg::ReadNumber(HKEY_LOCAL_MACHINE, "SOFTWARE\\MORVASETUP\\TestWheelMain", "INSTALLCOUNT", 0), 2u);

    std::vector<IniEntry> other = StandardConfig();
    for (IniEntry& entry : other) {
        if (entry.section == "Title" && entry.key == "Main")
            entry.value = "OtherWheel";
    }
    Reconfigure(other);
    WriteStartupEntry();
    EXPECT_EQ(testreg::ReadNumber(HKEY_LOCAL_MACHINE, "SOFTWARE\\MORVASETUP\\OtherWheel", "INSTALLCOUNT", 0), 1u);
    EXPECT_EQ(testreg::ReadNumber(HKEY_LOCAL_MACHINE, "SOFTWARE\\MORVASETUP\\TestWheelMain", "INSTALLCOUNT", 0), 2u);
}

TEST_F(StartupEntryTest, ACountKeyWithoutItsValueStartsAtOne)
{
    testreg::CreateKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\MORVASETUP\\TestWheelMain");
    Begin(StandardConfig());
    WriteStartupEntry();
    EXPECT_EQ(testreg::ReadNumber(HKEY_LOCAL_MACHINE, "SOFTWARE\\MORVASETUP\\TestWheelMain", "INSTALLCOUNT", 0), 1u);
}

TEST_F(StartupEntryTest, ACommandTooLongForTheRegistryIsNotWrittenButStillRecorded)
{
    UseInstallFolderOfLength(240);
    Begin(StandardConfig());  // the command is 240 + 13 characters: 253 fits
    WriteStartupEntry();
    EXPECT_EQ(testreg::ReadString(HKEY_LOCAL_MACHINE, kRun, "FLMQUILLONWHEEL").size(), 253u);
    testreg::DeleteValue(HKEY_LOCAL_MACHINE, kRun, "FLMQUILLONWHEEL");

    std::vector<IniEntry> config = StandardConfig();
    config[2].value = "ptrctl32-lo.exe";  // [Product] Key: 240 + 16 = 256 characters
    ASSERT_EQ(config[2].key, "Key");
    Reconfigure(config);
    WriteStartupEntry();
    EXPECT_FALSE(testreg::ValueExists(HKEY_LOCAL_MACHINE, kRun, "FLMQUILLONWHEEL"));
    std::vector<UninstallLogRecord> records = LogRecords();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].text, "FLMQUILLONWHEEL");
}

TEST_F(StartupEntryTest, ARunKeyThatCannotBeOpenedWritesNoRecord)
{
    testreg::CreateKey(HKEY_LOCAL_MACHINE, kRun);
    testreg::RestrictedKeyAccess readOnly(HKEY_LOCAL_MACHINE, kRun, KEY_READ);
    ASSERT_TRUE(readOnly.Applied());
    Begin(StandardConfig());
    WriteStartupEntry();
    EXPECT_FALSE(testreg::ValueExists(HKEY_LOCAL_MACHINE, kRun, "FLMQUILLONWHEEL"));
    EXPECT_TRUE(LogRecords().empty());
    EXPECT_EQ(testreg::ReadString(HKEY_LOCAL_MACHINE, "Software\\QUILLONWheel", "InstallName"), "TestWheelMain")
        << "the other keys are written all the same";
}

}  // namespace
