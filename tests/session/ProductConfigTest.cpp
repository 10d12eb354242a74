// LoadProductConfig and the default destination, with media folders and the real
// registry of the prefix.
#include <gtest/gtest.h>

#include <string>

#include "MediaFixture.h"
#include "TestRegistry.h"
#include "entry/SetupState.h"
#include "framework/BoundedString.h"
#include "session/ProductConfig.h"

namespace {

const std::string kCurrentVersion = "Software\\Microsoft\\Windows\\CurrentVersion";

class ProductConfigTest : public ::testing::Test {
protected:
    ProductConfigTest()
        : m_programFiles(testreg::ReadBytes(HKEY_LOCAL_MACHINE, kCurrentVersion, "ProgramFilesDir")),
          m_programFilesType(testreg::ValueType(HKEY_LOCAL_MACHINE, kCurrentVersion, "ProgramFilesDir"))
    {
        CopyBounded(g_setup.m_szSourceDir, sizeof g_setup.m_szSourceDir, m_media.Path().c_str());
    }
    ~ProductConfigTest() override
    {
        ReleaseProductConfig();
        testreg::SetBytes(HKEY_LOCAL_MACHINE, kCurrentVersion, "ProgramFilesDir", m_programFilesType, m_programFiles);
    }

    static std::string ProgramFilesDir()
    {
        return testreg::ReadString(HKEY_LOCAL_MACHINE, kCurrentVersion, "ProgramFilesDir");
    }

    MediaFixture m_media;
    std::vector<unsigned char> m_programFiles;
    DWORD m_programFilesType;
};

TEST_F(ProductConfigTest, ReadsTheSevenStringsAndBuildsTheDefaultDestination)
{
    m_media.WriteConfig(StandardConfig());
    LoadProductConfig();
    EXPECT_STREQ(g_config.m_pszProductName, "Test Wheel Mouse");
    EXPECT_STREQ(g_config.m_pszProductKey, "ptrctl32.exe");
    EXPECT_STREQ(g_config.m_pszTargetDir, "TestWheel");
    EXPECT_STREQ(g_config.m_pszProgramFolder, "Test Wheel Mouse");
    EXPECT_STREQ(g_config.m_pszDisplayName, "Test Wheel");
    EXPECT_STREQ(g_config.m_pszCaptionBar, "Test Wheel Control");
    EXPECT_STREQ(g_config.m_pszMainTitle, "TestWheelMain");
    EXPECT_EQ(ProgramFilesDir(), "C:\\Program Files");
    EXPECT_STREQ(g_setup.m_szInstallDir, "C:\\Program Files\\TestWheel");

    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof current, current);
    EXPECT_STREQ(g_setup.m_szStartDir, current);
}

TEST_F(ProductConfigTest, KeysAreReadWithTheIniFileRules)
{
    m_media.WriteConfigText("[product]\r\nPRODUCT = Spaced Name \r\n[TARGET]\r\ndir=App\r\n");
    LoadProductConfig();
    EXPECT_STREQ(g_config.m_pszProductName, "Spaced Name") << "names without regard to case, blanks trimmed";
    EXPECT_STREQ(g_setup.m_szInstallDir, "C:\\Program Files\\App");
}

TEST_F(ProductConfigTest, ALongValueIsCutTo259Characters)
{
    std::vector<IniEntry> config = StandardConfig();
    config.push_back({"Display Name", "Name", std::string(300, 'n')});
    config.erase(config.begin() + 6);  // the standard display name
    m_media.WriteConfig(config);
    LoadProductConfig();
    EXPECT_EQ(std::string(g_config.m_pszDisplayName), std::string(259, 'n'));
}

TEST_F(ProductConfigTest, WithoutSetupIniEveryStringIsEmptyNotNull)
{
    LoadProductConfig();
    char* ProductConfig::*members[] = {
        &ProductConfig::m_pszProductName, &ProductConfig::m_pszProductKey, &ProductConfig::m_pszTargetDir,
        &ProductConfig::m_pszProgramFolder, &ProductConfig::m_pszDisplayName, &ProductConfig::m_pszCaptionBar,
        &ProductConfig::m_pszMainTitle,
    };
    for (auto member : members) {
        ASSERT_NE(g_config.*member, nullptr);
        EXPECT_STREQ(g_config.*member, "");
    }
    EXPECT_STREQ(g_setup.m_szInstallDir, "C:\\Program Files\\");
}

TEST_F(ProductConfigTest, ReleaseNullsEveryStringAndASecondLoadGivesTheSame)
{
    m_media.WriteConfig(StandardConfig());
    LoadProductConfig();
    std::string firstName = g_config.m_pszProductName;
    std::string firstDestination = g_setup.m_szInstallDir;
    ReleaseProductConfig();
    EXPECT_EQ(g_config.m_pszProductName, nullptr);
    EXPECT_EQ(g_config.m_pszMainTitle, nullptr);
    LoadProductConfig();
    EXPECT_EQ(firstName, g_config.m_pszProductName);
    EXPECT_EQ(firstDestination, g_setup.m_szInstallDir);
    LoadProductConfig();  // loading over a loaded configuration replaces it
    EXPECT_EQ(firstName, g_config.m_pszProductName);
}

TEST_F(ProductConfigTest, AMissingOrNonStringProgramFilesValueGivesAnEmptyBase)
{
    m_media.WriteConfig(StandardConfig());
    testreg::DeleteValue(HKEY_LOCAL_MACHINE, kCurrentVersion, "ProgramFilesDir");
    LoadProductConfig();
    EXPECT_STREQ(g_setup.m_szInstallDir, "\\TestWheel");

    testreg::SetNumber(HKEY_LOCAL_MACHINE, kCurrentVersion, "ProgramFilesDir", 7);
    LoadProductConfig();
    EXPECT_STREQ(g_setup.m_szInstallDir, "\\TestWheel");
}

TEST_F(ProductConfigTest, ADefaultDestinationThatWouldNotFitStaysEmpty)
{
    std::vector<IniEntry> config = StandardConfig();
    config[4].value = std::string(240, 'd');  // [Target] Dir
    m_media.WriteConfig(config);
    ASSERT_EQ(config[4].key, "Dir");
    LoadProductConfig();  // "C:\Program Files" + "\" + 240 characters: 257, fits
    EXPECT_EQ(std::string(g_setup.m_szInstallDir), "C:\\Program Files\\" + std::string(240, 'd'));

    config[4].value = std::string(243, 'd');  // 260 characters: does not fit
    m_media.WriteConfig(config);
    LoadProductConfig();
    EXPECT_STREQ(g_setup.m_szInstallDir, "") << "never cut into another folder";

    config[4].value = std::string(242, 'd');  // exactly 259
    m_media.WriteConfig(config);
    LoadProductConfig();
    EXPECT_EQ(strlen(g_setup.m_szInstallDir), 259u);
}

TEST_F(ProductConfigTest, AUserWithoutFullAccessStillGetsTheProgramFilesFolder)
{
    std::vector<IniEntry> config = StandardConfig();
    m_media.WriteConfig(config);
    testreg::RestrictedKeyAccess readOnly(HKEY_LOCAL_MACHINE, kCurrentVersion, KEY_READ);
    ASSERT_TRUE(readOnly.Applied());
    HKEY probe = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kCurrentVersion.c_str(), 0, KEY_ALL_ACCESS, &probe),
              ERROR_ACCESS_DENIED)
        << "the key must refuse full access for this test to mean anything";
    CopyBounded(g_setup.m_szInstallDir, sizeof g_setup.m_szInstallDir, "C:\\left by an earlier session");
    LoadProductConfig();
    EXPECT_STREQ(g_setup.m_szInstallDir, "C:\\Program Files\\TestWheel")
        << "never built from the previous destination and the product key";
}

TEST_F(ProductConfigTest, TheFallbackFolderComesFromAReadOnlyReadThenFromTheShell)
{
    char folder[MAX_PATH] = {};
    ASSERT_TRUE(FallbackProgramFilesFolder(folder, sizeof folder));
    EXPECT_STREQ(folder, "C:\\Program Files");

    testreg::DeleteValue(HKEY_LOCAL_MACHINE, kCurrentVersion, "ProgramFilesDir");
    folder[0] = '\0';
    ASSERT_TRUE(FallbackProgramFilesFolder(folder, sizeof folder)) << "the shell's Program Files folder";
    EXPECT_STRCASEEQ(folder, "C:\\Program Files");

    char tiny[4];
    EXPECT_FALSE(FallbackProgramFilesFolder(tiny, sizeof tiny)) << "a folder that does not fit is not cut";
}

}  // namespace
