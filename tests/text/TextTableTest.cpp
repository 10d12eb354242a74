// LoadTexts and the text table, with language files in a media folder of the prefix.
#include <gtest/gtest.h>

#include <string>

#include "MediaFixture.h"
#include "entry/SetupState.h"
#include "framework/BoundedString.h"
#include "text/TextTable.h"

namespace {

class TextTableTest : public ::testing::Test {
protected:
    TextTableTest()
    {
        CopyBounded(g_setup.m_szSourceDir, sizeof g_setup.m_szSourceDir, m_media.Path().c_str());
        g_setup.m_pszLanguageExt = "enu";
    }
    ~TextTableTest() override { ReleaseTexts(); }

    void LoadWith(const std::vector<IniEntry>& entries)
    {
        m_media.WriteLanguageFile(entries);
        LoadTexts();
    }

    static std::string Named(const char* name)
    {
        const char* text = GetText(name);
        return text ? text : "<null>";
    }

    MediaFixture m_media;
};

TEST_F(TextTableTest, TheTableHoldsTheFortyFourNamedTexts)
{
    ASSERT_EQ(AllTextNames().size(), TextTable::kCount);
    for (size_t i = 0; i < TextTable::kCount; ++i)
        EXPECT_EQ(AllTextNames()[i], g_texts.entries[i].name) << "row " << i;
}

TEST_F(TextTableTest, EveryTextIsLoadedFromItsSectionAndKey)
{
    LoadWith(NamedTexts());
    for (const std::string& name : AllTextNames())
        EXPECT_EQ(Named(name.c_str()), NamedTextValue(name)) << name;
}

TEST_F(TextTableTest, TheLanguageFileIsFoundByTheSessionsExtension)
{
    char path[MAX_PATH];
    ASSERT_TRUE(LanguageFilePath(path, sizeof path));
    EXPECT_EQ(std::string(path), m_media.Path() + "\\tx-00001\\setuptxt.enu");

    m_media.WriteLanguageFile({{"MSG", "10", "other language"}}, "deu");
    g_setup.m_pszLanguageExt = "deu";
    LoadTexts();
    EXPECT_EQ(Named("MSG 10"), "other language");
}

TEST_F(TextTableTest, MissingFileKeysAndEmptyValuesLeaveTextsNull)
{
    LoadTexts();  // no language file at all
    for (const std::string& name : AllTextNames())
        EXPECT_EQ(GetText(name.c_str()), nullptr) << name;
    EXPECT_STREQ(GetTextOrEmpty("MSG 10"), "");

    LoadWith({{"MSG", "1", "Back"}, {"MSG", "2", ""}});
    EXPECT_EQ(Named("MSG 1"), "Back");
    EXPECT_EQ(Named("MSG 2"), "<null>") << "an empty value counts as missing";
    EXPECT_EQ(Named("DLG P1T"), "<null>");
}

TEST_F(TextTableTest, AFileWithOnlyTheMessageSectionLeavesThePageTextsNull)
{
    std::vector<IniEntry> onlyMessages;
    for (const IniEntry& entry : NamedTexts()) {
        if (entry.section == "MSG")
            onlyMessages.push_back(entry);
    }
    LoadWith(onlyMessages);
    EXPECT_EQ(Named("MSG 1"), NamedTextValue("MSG 1"));
    EXPECT_EQ(Named("MSG 4"), NamedTextValue("MSG 4"));
    EXPECT_EQ(Named("DLG P11"), "<null>");
    EXPECT_EQ(Named("DLG PF5"), "<null>");
}

TEST_F(TextTableTest, ALongValueIsCutTo259Characters)
{
    LoadWith({{"DLG", "P13", std::string(300, 'w')}});
    EXPECT_EQ(Named("DLG P13"), std::string(259, 'w'));
}

TEST_F(TextTableTest, ReloadingReplacesTheWholeTable)
{
    LoadWith(NamedTexts());
    LoadTexts();
    EXPECT_EQ(Named("MSG 306"), NamedTextValue("MSG 306")) << "loading twice gives the same table";
    LoadWith({{"MSG", "306", "only this"}});
    EXPECT_EQ(Named("MSG 306"), "only this");
    EXPECT_EQ(Named("MSG 301"), "<null>") << "texts the new file lacks become null";
    ReleaseTexts();
    EXPECT_EQ(GetText("MSG 306"), nullptr);
}

TEST_F(TextTableTest, UnknownNamesHaveNoText)
{
    LoadWith({{"MSG", "13", "not used"}, {"DLG", "PF3", "not used"}});
    EXPECT_EQ(GetText("MSG 13"), nullptr);
    EXPECT_EQ(GetText("DLG PF3"), nullptr);
    EXPECT_EQ(GetText(nullptr), nullptr);
}

struct TemplateCase {
    const char* label;
    const char* fileText;  // as the language file holds it
    const char* stored;    // as the table holds it after loading
    const char* shown;     // after the display name "Wheel" is put in
};

TEST_F(TextTableTest, TheDisplayNameGoesWhereTheFileHasItsFirstPercentP)
{
    const TemplateCase cases[] = {
        {"middle", "Install %P now.", "Install %s now.", "Install Wheel now."},
        {"start", "%P is ready.", "%s is ready.", "Wheel is ready."},
        {"end", "Welcome to %P", "Welcome to %s", "Welcome to Wheel"},
        {"only the first", "%P and %P", "%s and %P", "Wheel and %P"},
        {"no placeholder", "Plain text.", "Plain text.", "Plain text."},
        {"other sequences stay literal", "100%% %d %x %n %P %s", "100%% %d %x %n %s %s",
         "100%% %d %x %n Wheel %s"},
        {"a file's own %s before %P stays literal", "%s then %P", "%s then %s", "%s then Wheel"},
        {"lower-case %p is not the placeholder", "%p only", "%p only", "%p only"},
        {"a lone percent at the end", "50%", "50%", "50%"},
    };
    for (const char* name : {"DLG P31", "DLG PF1"}) {
        for (const TemplateCase& c : cases) {
            std::string key = std::string(name).substr(4);
            LoadWith({{"DLG", key, c.fileText}});
            EXPECT_EQ(Named(name), c.stored) << name << ", " << c.label;
            char shown[1024];
            ASSERT_TRUE(FormatNamedText(shown, sizeof shown, name, "Wheel")) << c.label;
            EXPECT_STREQ(shown, c.shown) << name << ", " << c.label;
        }
    }
}

TEST_F(TextTableTest, OnlyTheTwoTemplatesAreConverted)
{
    LoadWith({{"DLG", "P32", "Keep %P"}, {"MSG", "12", "Keep %P"}});
    EXPECT_EQ(Named("DLG P32"), "Keep %P");
    EXPECT_EQ(Named("MSG 12"), "Keep %P");
    char shown[64];
    ASSERT_TRUE(FormatNamedText(shown, sizeof shown, "DLG P32", "Wheel"));
    EXPECT_STREQ(shown, "Keep %P") << "a text without a placeholder is shown as it stands";
}

TEST_F(TextTableTest, ANullTemplateFormatsAsEmptyText)
{
    LoadTexts();
    char shown[16] = "garbage";
    ASSERT_TRUE(FormatNamedText(shown, sizeof shown, "DLG P31", "Wheel"));
    EXPECT_STREQ(shown, "");
    ASSERT_TRUE(FormatNamedText(shown, sizeof shown, "NOT A NAME", "Wheel"));
    EXPECT_STREQ(shown, "");
}

TEST_F(TextTableTest, AFormattedTextThatDoesNotFitIsRefusedNotCut)
{
    LoadWith({{"DLG", "PF1", "Setup of %P is complete."}});
    char small[20];
    EXPECT_FALSE(FormatNamedText(small, sizeof small, "DLG PF1", "Wheel"));
    EXPECT_STREQ(small, "");
    char exact[29];  // "Setup of Wheel is complete." is 27 characters
    EXPECT_TRUE(FormatNamedText(exact, 28, "DLG PF1", "Wheel"));
    EXPECT_STREQ(exact, "Setup of Wheel is complete.");
    EXPECT_FALSE(FormatNamedText(exact, 27, "DLG PF1", "Wheel"));
}

}  // namespace
