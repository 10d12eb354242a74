// The session core of DOINSTALL: what a session reads at its start, what it releases
// at its end, and the exit codes.
#include <gtest/gtest.h>

#include <string>

#include "MediaFixture.h"
#include "TestRegistry.h"
#include "entry/SetupSession.h"
#include "entry/SetupState.h"
#include "framework/BoundedString.h"
#include "session/ProductConfig.h"
#include "text/TextTable.h"

namespace {

void SetAllPlatformFlags(BOOL value)
{
    g_setup.m_bWin95 = g_setup.m_bWin98 = g_setup.m_bWinMe = value;
    g_setup.m_bWinXP = g_setup.m_bWinNT5 = g_setup.m_bWinNTOther = value;
}

int PlatformFlagsSet()
{
    return g_setup.m_bWin95 + g_setup.m_bWin98 + g_setup.m_bWinMe + g_setup.m_bWinXP + g_setup.m_bWinNT5 +
           g_setup.m_bWinNTOther;
}

TEST(SetupSession, RefusesANullOrOverlongMediaFolderAndTouchesNothing)
{
    CopyBounded(g_setup.m_szSourceDir, sizeof g_setup.m_szSourceDir, "C:\\previous");
    CopyBounded(g_setup.m_szInstallDir, sizeof g_setup.m_szInstallDir, "C:\\chosen");
    SetAllPlatformFlags(TRUE);
    const std::string overlong(260, 'm');
    const std::string wayTooLong(5000, 'm');
    for (const char* folder : {static_cast<const char*>(nullptr), overlong.c_str(), wayTooLong.c_str()}) {
        EXPECT_FALSE(BeginSetupSession(folder));
        EXPECT_EQ(RunSetupSession(folder), kExitOther);
        EXPECT_STREQ(g_setup.m_szSourceDir, "C:\\previous");
        EXPECT_STREQ(g_setup.m_szInstallDir, "C:\\chosen");
        EXPECT_EQ(PlatformFlagsSet(), 6) << "platform detection did not run";
        EXPECT_EQ(g_config.m_pszProductName, nullptr) << "no configuration was loaded";
    }
    SetAllPlatformFlags(FALSE);
}

TEST(SetupSession, AcceptsAMediaFolderOf259CharactersAsItStands)
{
    const std::string longest = "C:\\" + std::string(256, 'm');
    ASSERT_EQ(longest.size(), 259u);
    ASSERT_TRUE(BeginSetupSession(longest.c_str()));
    EXPECT_EQ(std::string(g_setup.m_szSourceDir), longest);
    EndSetupSession();

    ASSERT_TRUE(BeginSetupSession("D:\\Disk1\\"));
    EXPECT_STREQ(g_setup.m_szSourceDir, "D:\\Disk1\\") << "no backslash is added or removed";
    EndSetupSession();
}

TEST(SetupSession, AMediaFolderWithoutFilesGivesEmptyStringsAndNullTexts)
{
    MediaFixture media;
    ASSERT_TRUE(BeginSetupSession(media.Path().c_str()));
    EXPECT_STREQ(g_setup.m_pszLanguageExt, "enu");
    ASSERT_NE(g_config.m_pszProductName, nullptr);
    EXPECT_STREQ(g_config.m_pszProductName, "");
    EXPECT_STREQ(g_config.m_pszProgramFolder, "");
    for (const std::string& name : AllTextNames())
        EXPECT_EQ(GetText(name.c_str()), nullptr) << name;
    EndSetupSession();
    EXPECT_EQ(g_config.m_pszProductName, nullptr);
}

TEST(SetupSession, ASecondSessionStartsAfresh)
{
    MediaFixture first;
    first.WriteConfig({{"Product", "Product", "First Mouse"}, {"Target", "Dir", "First"}});
    first.WriteLanguageFile({{"MSG", "10", "First caption"}, {"DLG", "P11", "Only in the first"}});
    MediaFixture second;
    second.WriteConfig({{"Product", "Product", "Second Mouse"}, {"Target", "Dir", "Second"}});
    second.WriteLanguageFile({{"MSG", "10", "Second caption"}});

    ASSERT_TRUE(BeginSetupSession(first.Path().c_str()));
    EXPECT_STREQ(g_config.m_pszProductName, "First Mouse");
    EXPECT_STREQ(GetText("MSG 10"), "First caption");
    EXPECT_STREQ(g_setup.m_szInstallDir, "C:\\Program Files\\First");
    EXPECT_EQ(PlatformFlagsSet(), 1);
    // What the first session's user and worker left behind.
    CopyBounded(g_setup.m_szInstallDir, sizeof g_setup.m_szInstallDir, "D:\\Chosen by the user");
    g_setup.m_nButtonModel = 1;
    g_setup.m_bRebootNeeded = 0;
    SetAllPlatformFlags(TRUE);
    EndSetupSession();

    ASSERT_TRUE(BeginSetupSession(second.Path().c_str()));
    EXPECT_EQ(PlatformFlagsSet(), 1) << "fresh platform flags";
    EXPECT_STREQ(g_config.m_pszProductName, "Second Mouse") << "fresh configuration";
    EXPECT_STREQ(GetText("MSG 10"), "Second caption") << "fresh texts";
    EXPECT_EQ(GetText("DLG P11"), nullptr) << "no text survives from the first session";
    EXPECT_STREQ(g_setup.m_szInstallDir, "C:\\Program Files\\Second") << "fresh default destination";
    EXPECT_EQ(g_setup.m_nButtonModel, 1) << "the button model keeps what the first call left";
    EXPECT_EQ(g_setup.m_bRebootNeeded, 0) << "the restart flag keeps what the first call left";
    EndSetupSession();
    g_setup.m_nButtonModel = 0;
    g_setup.m_bRebootNeeded = 1;
}

TEST(SetupSession, ExitCodesFollowTheModalResultAndTheNtFamily)
{
    struct Case {
        INT_PTR result;
        int flagIndex;  // -1: no flag; 0..5: Win95, Win98, WinMe, WinXP, WinNT5, WinNTOther
        int expected;
    };
    const Case cases[] = {
        {2, -1, 2},       {2, 0, 2},       {2, 5, 2},
        {6, -1, 6},       {6, 0, 6},       {6, 1, 6},       {6, 2, 6},
        {6, 3, 0x10006},  {6, 4, 0x10006}, {6, 5, 0x10006},
        {12, -1, 12},     {12, 1, 12},     {12, 3, 12},
        {0, 3, 0},        {1, 3, 0},       {-1, 0, 0},      {7, 5, 0},     {0x10006, 3, 0},
    };
    BOOL* flags[] = {&g_setup.m_bWin95, &g_setup.m_bWin98, &g_setup.m_bWinMe,
                     &g_setup.m_bWinXP, &g_setup.m_bWinNT5, &g_setup.m_bWinNTOther};
    for (const Case& c : cases) {
        SetAllPlatformFlags(FALSE);
        if (c.flagIndex >= 0)
            *flags[c.flagIndex] = TRUE;
        EXPECT_EQ(ExitCodeForResult(c.result), c.expected) << "result " << c.result << ", flag " << c.flagIndex;
    }
    SetAllPlatformFlags(FALSE);
}

}  // namespace
