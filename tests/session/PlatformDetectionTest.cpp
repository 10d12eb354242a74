// Platform detection: the decision table as cases, and the whole path for real in
// child processes under Wine's emulated Windows versions.
#include <gtest/gtest.h>

#include <string>

#include "ChildProcess.h"
#include "ScratchFolder.h"
#include "TestRegistry.h"
#include "entry/SetupState.h"
#include "session/PlatformDetection.h"

namespace {

const char* FlagName(PlatformFlag flag)
{
    switch (flag) {
    case PlatformFlag::None: return "none";
    case PlatformFlag::Win95: return "Win95";
    case PlatformFlag::Win98: return "Win98";
    case PlatformFlag::WinMe: return "WinMe";
    case PlatformFlag::WinXP: return "WinXP";
    case PlatformFlag::WinNT5: return "WinNT5";
    case PlatformFlag::WinNTOther: return "WinNTOther";
    }
    return "?";
}

struct DecisionCase {
    DWORD major, minor, build;
    int platformClass, editionClass;
    PlatformFlag expected;
};

std::string Describe(const DecisionCase& c)
{
    return std::to_string(c.major) + "." + std::to_string(c.minor) + " build " + std::to_string(c.build) +
           " class " + std::to_string(c.platformClass) + " edition " + std::to_string(c.editionClass);
}

TEST(PlatformDecision, Windows9xRowsInOrder)
{
    const DecisionCase cases[] = {
        {4, 0, 950, 1, 1, PlatformFlag::Win95},     // row 1
        {4, 0, 949, 1, 1, PlatformFlag::None},
        {4, 3, 950, 1, 1, PlatformFlag::None},      // row 1 needs minor 0
        {4, 0, 951, 1, 1, PlatformFlag::Win95},     // row 2
        {4, 10, 1080, 1, 1, PlatformFlag::Win95},   // row 2, any minor
        {4, 0, 1081, 1, 1, PlatformFlag::Win95},    // row 3
        {4, 0, 1111, 1, 1, PlatformFlag::Win95},
        {4, 9, 2500, 1, 1, PlatformFlag::Win95},    // row 3, minor below 10
        {4, 10, 1081, 1, 1, PlatformFlag::None},    // minor 10 is not below 10
        {4, 10, 1998, 1, 1, PlatformFlag::Win98},   // row 4
        {4, 10, 1999, 1, 1, PlatformFlag::Win98},   // row 5
        {4, 10, 2182, 1, 1, PlatformFlag::Win98},
        {4, 10, 2183, 1, 1, PlatformFlag::None},    // row 6's condition, another build
        {4, 10, 2222, 1, 1, PlatformFlag::Win98},   // row 6
        {4, 90, 2222, 1, 1, PlatformFlag::Win98},
        {5, 0, 2222, 1, 1, PlatformFlag::Win98},    // major above 4
        {4, 90, 3000, 1, 1, PlatformFlag::WinMe},   // row 7
        {5, 0, 3000, 1, 1, PlatformFlag::WinMe},
        {4, 90, 2999, 1, 1, PlatformFlag::None},
        {4, 20, 1998, 1, 1, PlatformFlag::None},    // row 4 needs minor 10
        {3, 95, 950, 1, 1, PlatformFlag::None},
    };
    for (const DecisionCase& c : cases) {
        PlatformInfo info = {c.major, c.minor, c.build, c.platformClass, c.editionClass};
        EXPECT_STREQ(FlagName(DecidePlatform(info)), FlagName(c.expected)) << Describe(c);
    }
}

TEST(PlatformDecision, NtFamilyByEditionMajorAndBuild)
{
    const DecisionCase cases[] = {
        {5, 0, 2195, 2, 2, PlatformFlag::WinNT5},
        {5, 1, 2600, 2, 2, PlatformFlag::WinXP},
        {5, 2, 3790, 2, 2, PlatformFlag::WinNT5},
        {5, 1, 2600, 6, 6, PlatformFlag::WinXP},
        {5, 0, 2195, 7, 7, PlatformFlag::WinNT5},
        {5, 1, 2600, 8, 8, PlatformFlag::WinXP},
        {5, 1, 2601, 2, 2, PlatformFlag::WinNT5},
        {4, 0, 1381, 2, 2, PlatformFlag::WinNTOther},
        {6, 1, 7601, 2, 2, PlatformFlag::WinNTOther},
        {3, 51, 1057, 6, 6, PlatformFlag::WinNTOther},
        {5, 1, 2600, 2, 10, PlatformFlag::WinNTOther},  // Terminal Server edition
        {5, 0, 2195, 2, 10, PlatformFlag::WinNTOther},
        {5, 1, 2600, 11, 11, PlatformFlag::WinNTOther},  // Enterprise
        {5, 0, 2195, 11, 11, PlatformFlag::WinNTOther},
    };
    for (const DecisionCase& c : cases) {
        PlatformInfo info = {c.major, c.minor, c.build, c.platformClass, c.editionClass};
        EXPECT_STREQ(FlagName(DecidePlatform(info)), FlagName(c.expected)) << Describe(c);
    }
}

TEST(PlatformDecision, Win32sAndCeSetNoFlag)
{
    for (int platformClass : {0, 9}) {
        PlatformInfo info = {5, 1, 2600, platformClass, platformClass};
        EXPECT_EQ(DecidePlatform(info), PlatformFlag::None) << "class " << platformClass;
    }
}

TEST(PlatformDetection, DetectPlatformClearsEveryFlagBeforeSettingOne)
{
    g_setup.m_bWin95 = g_setup.m_bWin98 = g_setup.m_bWinMe = TRUE;
    g_setup.m_bWinXP = g_setup.m_bWinNT5 = g_setup.m_bWinNTOther = TRUE;
    DetectPlatform();
    int set = g_setup.m_bWin95 + g_setup.m_bWin98 + g_setup.m_bWinMe + g_setup.m_bWinXP + g_setup.m_bWinNT5 +
              g_setup.m_bWinNTOther;
    EXPECT_EQ(set, 1) << "the prefix's own Windows sets exactly one flag";
}

const std::string kProductOptions = "System\\CurrentControlSet\\Control\\ProductOptions";

// Arranges the ProductOptions key of the prefix for one test and puts it back after.
class ProductOptionsFixture : public ::testing::Test {
protected:
    ProductOptionsFixture()
        : m_productType(testreg::ReadBytes(HKEY_LOCAL_MACHINE, kProductOptions, "ProductType")),
          m_productTypeKind(testreg::ValueType(HKEY_LOCAL_MACHINE, kProductOptions, "ProductType")),
          m_suite(testreg::ReadBytes(HKEY_LOCAL_MACHINE, kProductOptions, "ProductSuite")),
          m_suiteKind(testreg::ValueType(HKEY_LOCAL_MACHINE, kProductOptions, "ProductSuite"))
    {
    }
    ~ProductOptionsFixture() override
    {
        Restore("ProductType", m_productTypeKind, m_productType);
        Restore("ProductSuite", m_suiteKind, m_suite);
    }

    static void SetSuites(const std::vector<std::string>& suites)
    {
        testreg::SetBytes(HKEY_LOCAL_MACHINE, kProductOptions, "ProductSuite", REG_MULTI_SZ,
                          testreg::MultiString(suites));
    }
    static void SetProductType(const char* type)
    {
        if (type == nullptr)
            testreg::DeleteValue(HKEY_LOCAL_MACHINE, kProductOptions, "ProductType");
        else
            testreg::SetString(HKEY_LOCAL_MACHINE, kProductOptions, "ProductType", type);
    }

private:
    static void Restore(const char* name, DWORD kind, const std::vector<unsigned char>& bytes)
    {
        if (kind == REG_NONE)
            testreg::DeleteValue(HKEY_LOCAL_MACHINE, kProductOptions, name);
        else
            testreg::SetBytes(HKEY_LOCAL_MACHINE, kProductOptions, name, kind, bytes);
    }

    std::vector<unsigned char> m_productType;
    DWORD m_productTypeKind;
    std::vector<unsigned char> m_suite;
    DWORD m_suiteKind;
};

TEST_F(ProductOptionsFixture, HasProductSuiteMatchesSubstringsWithoutRegardToCase)
{
    struct Case {
        std::vector<std::string> suites;
        const char* asked;
        BOOL expected;
    };
    const Case cases[] = {
        {{"Terminal Server"}, "Terminal Server", 1},
        {{"terminal server"}, "Terminal Server", 1},
        {{"Small Business", "Terminal Server Edition"}, "Terminal Server", 1},
        {{"Enterprise"}, "Terminal Server", 0},
        {{"Enterprise"}, "Enterprise", 1},
        {{"Small Business", "", "Enterprise"}, "Enterprise", 0},  // the walk stops at the empty string
        {{}, "Enterprise", 0},
    };
    for (const Case& c : cases) {
        SetSuites(c.suites);
        EXPECT_EQ(HasProductSuite(c.asked), c.expected)
            << c.asked << " in a list of " << c.suites.size() << " suites";
    }
}

TEST_F(ProductOptionsFixture, HasProductSuiteIgnoresAPlainStringValue)
{
    testreg::SetString(HKEY_LOCAL_MACHINE, kProductOptions, "ProductSuite", "Terminal Server");
    EXPECT_EQ(HasProductSuite("Terminal Server"), 0);
    testreg::DeleteValue(HKEY_LOCAL_MACHINE, kProductOptions, "ProductSuite");
    EXPECT_EQ(HasProductSuite("Terminal Server"), 0);
}

TEST_F(ProductOptionsFixture, ReadProductTypeKnowsFourTypes)
{
    struct Case {
        const char* type;
        BOOL read;
        int platformClass;
    };
    const Case cases[] = {
        {"WinNT", 1, 2}, {"SERVERNT", 1, 6}, {"lanmannt", 1, 7}, {"LanSecNT", 1, 8},
        {"Workstation", 0, -1}, {"", 0, -1}, {nullptr, 0, -1},
    };
    for (const Case& c : cases) {
        SetProductType(c.type);
        int platformClass = -1;
        EXPECT_EQ(ReadProductType(&platformClass), c.read) << (c.type ? c.type : "(missing)");
        EXPECT_EQ(platformClass, c.platformClass) << (c.type ? c.type : "(missing)");
    }
}

// Runs the probe program under a Wine version and returns its report line.
std::string ProbeUnder(const char* version)
{
    ChildResult child = RunChild(ProgramFolder() + "\\platform_probe.exe", "", version);
    EXPECT_TRUE(child.started && child.finished) << version;
    EXPECT_EQ(child.exitCode, 0u) << version;
    return child.output;
}

TEST(PlatformUnderWine, EachEmulatedVersionReportsTheFlagOfTheTable)
{
    struct Case {
        const char* version;
        const char* flag;
        const char* versionText;
    };
    const Case cases[] = {
        {"win95", "Win95", "4.0.950"},      {"win98", "Win98", "4.10.2222"}, {"winme", "WinMe", "4.90.3000"},
        {"nt40", "WinNTOther", "4.0.1381"}, {"win2k", "WinNT5", "5.0.2195"}, {"winxp", "WinXP", "5.1.2600"},
        {"win2003", "WinNT5", "5.2.3790"},  {"win7", "WinNTOther", "6.1.7601"},
    };
    for (const Case& c : cases) {
        std::string report = ProbeUnder(c.version);
        EXPECT_NE(report.find(std::string("flag=") + c.flag + " flags_set=1"), std::string::npos)
            << c.version << ": " << report;
        EXPECT_NE(report.find(std::string("version=") + c.versionText), std::string::npos)
            << c.version << ": " << report;
    }
}

TEST_F(ProductOptionsFixture, SuitesAndProductTypesChangeTheFlagOfARealNtSystem)
{
    struct Case {
        const char* label;
        std::vector<std::string> suites;  // empty: no ProductSuite value
        const char* productType;          // null: no ProductType value
        const char* version;
        const char* flag;
    };
    const Case cases[] = {
        {"Terminal Server on XP", {"Terminal Server"}, "WinNT", "winxp", "WinNTOther"},
        {"Enterprise on 2000", {"Enterprise"}, "ServerNT", "win2k", "WinNTOther"},
        {"other suites on XP", {"Small Business"}, "WinNT", "winxp", "WinXP"},
        {"server product type on XP", {}, "ServerNT", "winxp", "WinXP"},
        {"missing product type on 2000", {}, nullptr, "win2k", "WinNT5"},
        {"unknown product type on XP", {}, "Workstation", "winxp", "WinXP"},
        {"suites are not read on Windows 98", {"Terminal Server"}, "WinNT", "win98", "Win98"},
    };
    for (const Case& c : cases) {
        if (c.suites.empty())
            testreg::DeleteValue(HKEY_LOCAL_MACHINE, kProductOptions, "ProductSuite");
        else
            SetSuites(c.suites);
        SetProductType(c.productType);
        std::string report = ProbeUnder(c.version);
        EXPECT_NE(report.find(std::string("flag=") + c.flag + " "), std::string::npos) << c.label << ": " << report;
    }
}

}  // namespace
