// The settings files written into the install folder for the product's own programs.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "MediaFixture.h"
#include "ScratchFolder.h"
#include "entry/SetupState.h"
#include "framework/BoundedString.h"
#include "install/ProductSettings.h"

namespace {

std::string Profile(const std::string& file, const char* section, const char* key)
{
    char value[1024];
    GetPrivateProfileStringA(section, key, "<missing>", value, sizeof value, file.c_str());
    return value;
}

class ProductSettingsTest : public ::testing::Test {
protected:
    ProductSettingsTest()
    {
        CopyBounded(g_setup.m_szSourceDir, sizeof g_setup.m_szSourceDir, m_media.Path().c_str());
        CopyBounded(g_setup.m_szInstallDir, sizeof g_setup.m_szInstallDir, m_install.Path().c_str());
    }
    std::string PtrInfo() const { return m_install.Join("PtrInfo.ini"); }
    std::string Options() const { return m_install.Join("OPTIONS.INI"); }

    MediaFixture m_media;
    ScratchFolder m_install{"install"};
};

TEST_F(ProductSettingsTest, WritesTheEightRowsFromSetupIni)
{
    m_media.WriteConfig(StandardConfig());
    WriteProductSettings();
    struct Row {
        const char* section;
        const char* key;
        const char* value;
    };
    const Row rows[] = {
        {"Manufacture", "Manufacture", "Test Devices Ltd."},
        {"Applications", "Main", "ptrctl32.exe"},
        {"Applications", "IniFile", "options.ini"},
        {"Applications", "DllFile", "ptrext.dll"},
        {"Strings", "Driver_Remove_Title", "Driver_Remove_Title"},
        {"Strings", "Driver_Remove_Text", "Driver_Remove_Text"},
        {"Strings", "Driver_Removing_Text", "Driver_Removing_Text"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Profile(PtrInfo(), row.section, row.key), row.value) << row.section << " " << row.key;
    EXPECT_EQ(Profile(Options(), "Main", "VER"), "2.10");
    EXPECT_EQ(ReadFileText(Options()).find("[Main]"), 0u) << "OPTIONS.INI made with just its [Main] section";
}

TEST_F(ProductSettingsTest, AMissingKeyIsWrittenAsAnEmptyEntry)
{
    m_media.WriteConfig({{"Applications", "Main", "ptrctl32.exe"}});
    WriteProductSettings();
    EXPECT_EQ(Profile(PtrInfo(), "Applications", "Main"), "ptrctl32.exe");
    EXPECT_EQ(Profile(PtrInfo(), "Applications", "IniFile"), "") << "an entry with an empty value, not a missing one";
    EXPECT_EQ(Profile(Options(), "Main", "VER"), "");
    EXPECT_NE(ReadFileText(PtrInfo()).find("IniFile="), std::string::npos);
}

TEST_F(ProductSettingsTest, ALongValueIsWrittenCutTo259Characters)
{
    m_media.WriteConfig({{"Manufacture", "Manufacture", std::string(300, 'm')}});
    WriteProductSettings();
    EXPECT_EQ(Profile(PtrInfo(), "Manufacture", "Manufacture"), std::string(259, 'm'));
}

TEST_F(ProductSettingsTest, OtherEntriesOfExistingFilesSurvive)
{
    m_install.WriteText("PtrInfo.ini", "[Manufacture]\r\nManufacture=Old Maker\r\nWebsite=kept\r\n"
                                       "[Buttons]\r\nLeft=Click\r\n");
    m_install.WriteText("options.ini", "[Main]\r\nVER=0.9\r\nLanguage=enu\r\n[Wheel]\r\nLines=3\r\n");
    m_media.WriteConfig(StandardConfig());
    WriteProductSettings();
    EXPECT_EQ(Profile(PtrInfo(), "Manufacture", "Manufacture"), "Test Devices Ltd.");
    EXPECT_EQ(Profile(PtrInfo(), "Manufacture", "Website"), "kept");
    EXPECT_EQ(Profile(PtrInfo(), "Buttons", "Left"), "Click");
    EXPECT_EQ(Profile(Options(), "Main", "VER"), "2.10") << "written into the copied options.ini";
    EXPECT_EQ(Profile(Options(), "Main", "Language"), "enu");
    EXPECT_EQ(Profile(Options(), "Wheel", "Lines"), "3");
}

TEST_F(ProductSettingsTest, WithoutSetupIniTheRowsAreWrittenEmpty)
{
    WriteProductSettings();
    EXPECT_EQ(Profile(PtrInfo(), "Manufacture", "Manufacture"), "");
    EXPECT_EQ(Profile(PtrInfo(), "Strings", "Driver_Remove_Text"), "Driver_Remove_Text");
}

}  // namespace
