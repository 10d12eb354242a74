// The program folder and its shortcuts: real .lnk files in the prefix's Start menu,
// read back through the shell link object.
#include <windows.h>
#include <shlobj.h>

#include <cstdio>

#include "IntegrationFixture.h"
#include "integration/ProgramShortcuts.h"

namespace {

// What a .lnk file holds, read back through the shell.
struct LinkContents {
    bool loaded = false;
    std::string target, workingFolder, iconPath, description, arguments;
    int iconIndex = -1;
    int showCommand = -1;
    WORD hotkey = 0xFFFF;
};

// The show command as the file stores it. The shell link object reads every value
// other than 3 and 7 back as 1, so the header field itself is read.
int StoredShowCommand(const std::string& path)
{
    constexpr long kShowCommandOffset = 0x3C;
    FILE* file = fopen(path.c_str(), "rb");
    if (file == nullptr)
        return -1;
    unsigned char field[4] = {};
    bool read = fseek(file, kShowCommandOffset, SEEK_SET) == 0 && fread(field, 1, sizeof field, file) == sizeof field;
    fclose(file);
    return read ? field[0] | field[1] << 8 | field[2] << 16 | field[3] << 24 : -1;
}

LinkContents ReadLink(const std::string& path)
{
    LinkContents contents;
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))))
        return contents;
    IPersistFile* file = nullptr;
    WCHAR widePath[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, widePath, MAX_PATH);
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(widePath, STGM_READ))) {
        char text[MAX_PATH];
        contents.loaded = true;
        link->GetPath(text, sizeof text, nullptr, SLGP_RAWPATH);
        contents.target = text;
        link->GetWorkingDirectory(text, sizeof text);
        contents.workingFolder = text;
        link->GetIconLocation(text, sizeof text, &contents.iconIndex);
        contents.iconPath = text;
        link->GetDescription(text, sizeof text);
        contents.description = text;
        link->GetArguments(text, sizeof text);
        contents.arguments = text;
        link->GetHotkey(&contents.hotkey);
    }
    if (file)
        file->Release();
    link->Release();
    contents.showCommand = StoredShowCommand(path);
    return contents;
}

std::string ProgramsFolder()
{
    return testreg::ReadString(HKEY_CURRENT_USER,
                               "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Programs");
}

class ProgramShortcutsTest : public IntegrationFixture {
protected:
    ProgramShortcutsTest() : m_folder(ProgramsFolder() + "\\Test Wheel Mouse")
    {
        CoInitialize(nullptr);
        RemoveTree(m_folder);
    }
    ~ProgramShortcutsTest() override
    {
        RemoveTree(m_folder);
        CoUninitialize();
    }
    // The standard configuration with its Icons entries replaced.
    static std::vector<IniEntry> WithIcons(const std::vector<std::pair<std::string, std::string>>& icons)
    {
        std::vector<IniEntry> config;
        for (const IniEntry& entry : StandardConfig()) {
            if (entry.section != "Icons")
                config.push_back(entry);
        }
        for (const auto& [key, value] : icons)
            config.push_back({"Icons", key, value});
        return config;
    }
    std::vector<std::string> RecordTexts(unsigned char kind)
    {
        std::vector<std::string> texts;
        for (const UninstallLogRecord& record : m_records)
            if (record.kind == kind)
                texts.push_back(record.text);
        return texts;
    }
    void Finish() { m_records = LogRecords(); }

    std::string m_folder;
    std::vector<UninstallLogRecord> m_records;
};

TEST_F(ProgramShortcutsTest, EntriesOfTwoAndThreeFieldsAndANameWithAPlaceholder)
{
    std::vector<IniEntry> texts = NamedTexts();
    for (IniEntry& text : texts) {
        if (text.key == "12")
            text.value = "Test Wheel Mouse";
    }
    Begin(WithIcons({{"1", "ptrctl32.exe,Wheel Control"},
                     {"2", "remove00.exe,Remove %s,res\\panel.ico"},
                     {"3", "sub\\tool.exe,Tool,icons\\a,b.ico"}}),
          texts);
    CreateProgramShortcuts();
    Finish();
    std::string install = g_setup.m_szInstallDir;
    struct Expected {
        std::string name, target, icon;
    };
    const Expected expected[] = {
        {"Wheel Control", install + "\\ptrctl32.exe", install + "\\ptrctl32.exe"},
        {"Remove Test Wheel Mouse", install + "\\remove00.exe", install + "\\res\\panel.ico"},
        {"Tool", install + "\\sub\\tool.exe", install + "\\icons\\a,b.ico"},
    };
    std::vector<std::string> shortcuts = RecordTexts(0xFB);
    ASSERT_EQ(shortcuts.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        std::string link = m_folder + "\\" + expected[i].name + ".lnk";
        EXPECT_EQ(shortcuts[i], link) << "records in the order of the entries";
        LinkContents contents = ReadLink(link);
        ASSERT_TRUE(contents.loaded) << link;
        EXPECT_EQ(contents.target, expected[i].target);
        EXPECT_EQ(contents.workingFolder, install);
        EXPECT_EQ(contents.iconPath, expected[i].icon);
        EXPECT_EQ(contents.iconIndex, 0);
        EXPECT_EQ(contents.description, expected[i].name);
        EXPECT_EQ(contents.arguments, "");
        EXPECT_EQ(contents.showCommand, SW_SHOW);
        EXPECT_EQ(contents.hotkey, 0);
    }
    ASSERT_EQ(m_records.size(), 4u);
    EXPECT_EQ(m_records.back().kind, 0xFC) << "the folder's record comes last";
    EXPECT_EQ(m_records.back().text, m_folder);
}

TEST_F(ProgramShortcutsTest, TheListEndsAtTheFirstMissingNumber)
{
    Begin(WithIcons({{"1", "a.exe,A"}, {"2", "b.exe,B"}, {"4", "d.exe,D"}}));
    CreateProgramShortcuts();
    Finish();
    EXPECT_EQ(RecordTexts(0xFB), (std::vector<std::string>{m_folder + "\\A.lnk", m_folder + "\\B.lnk"}));
    EXPECT_FALSE(PathExists(m_folder + "\\D.lnk"));
}

TEST_F(ProgramShortcutsTest, WithoutEntriesTheFolderIsStillMadeAndRecorded)
{
    Begin(WithIcons({{"2", "b.exe,B"}}));
    CreateProgramShortcuts();
    Finish();
    EXPECT_TRUE(IsFolder(m_folder));
    ASSERT_EQ(m_records.size(), 1u);
    EXPECT_EQ(m_records[0].kind, 0xFC);
    EXPECT_EQ(m_records[0].text, m_folder);
}

TEST_F(ProgramShortcutsTest, EntriesOutsideTheFormatAreSkippedWithoutARecord)
{
    std::string longName(250, 'n');
    Begin(WithIcons({{"1", "no-comma-here.exe"},
                     {"2", "a.exe,A"},
                     {"3", "b.exe," + longName},
                     {"4", "c.exe,%s and more " + std::string(200, 'x')},
                     {"5", "d.exe,D"}}));
    CreateProgramShortcuts();
    Finish();
    EXPECT_EQ(RecordTexts(0xFB), (std::vector<std::string>{m_folder + "\\A.lnk", m_folder + "\\D.lnk"}))
        << "an entry without a comma, and names whose link path does not fit, are skipped";
    EXPECT_EQ(RecordTexts(0xFC).size(), 1u);
}

TEST_F(ProgramShortcutsTest, PercentSequencesInNamesAreNeverFormats)
{
    std::vector<IniEntry> texts = NamedTexts();
    for (IniEntry& text : texts) {
        if (text.key == "12")
            text.value = "Wheel";
    }
    Begin(WithIcons({{"1", "a.exe,100% %d %x %n %s"}, {"2", "b.exe,Only %d"}}), texts);
    CreateProgramShortcuts();
    Finish();
    EXPECT_EQ(RecordTexts(0xFB),
              (std::vector<std::string>{m_folder + "\\100% %d %x %n Wheel.lnk", m_folder + "\\Only %d.lnk"}));
}

TEST_F(ProgramShortcutsTest, WithoutMsg12APlaceholderFillsInAsEmpty)
{
    std::vector<IniEntry> texts;
    for (const IniEntry& text : NamedTexts()) {
        if (text.key != "12")
            texts.push_back(text);
    }
    Begin(WithIcons({{"1", "remove00.exe,Remove %s"}}), texts);
    CreateProgramShortcuts();
    Finish();
    EXPECT_EQ(RecordTexts(0xFB), (std::vector<std::string>{m_folder + "\\Remove .lnk"}));
}

TEST_F(ProgramShortcutsTest, TheChosenProgramFolderIsTheOneUsed)
{
    Begin(StandardConfig());
    ReplaceConfigString(&g_config.m_pszProgramFolder, "Chosen\\Nested Folder");
    std::string chosen = ProgramsFolder() + "\\Chosen\\Nested Folder";
    CreateProgramShortcuts();
    Finish();
    EXPECT_TRUE(IsFolder(chosen)) << "every missing folder above it is made";
    EXPECT_TRUE(PathExists(chosen + "\\Wheel Control.lnk"));
    EXPECT_EQ(RecordTexts(0xFC), (std::vector<std::string>{chosen}));
    RemoveTree(ProgramsFolder() + "\\Chosen");
}

TEST(IconsEntry, SplitsAtTheFirstAndSecondCommaOnly)
{
    struct Case {
        const char* value;
        bool valid;
        const char* target;
        const char* name;
        bool hasIcon;
        const char* icon;
    };
    const Case cases[] = {
        {"a.exe,Name", true, "a.exe", "Name", false, ""},
        {"a.exe,Name,i.ico", true, "a.exe", "Name", true, "i.ico"},
        {"a.exe,Name,i,j,k.ico", true, "a.exe", "Name", true, "i,j,k.ico"},
        {",,", true, "", "", true, ""},
        {"a.exe,", true, "a.exe", "", false, ""},
        {"nothing", false, "", "", false, ""},
        {"", false, "", "", false, ""},
    };
    for (const Case& c : cases) {
        IconsEntry entry = {};
        ASSERT_EQ(SplitIconsEntry(c.value, &entry), c.valid) << c.value;
        if (!c.valid)
            continue;
        EXPECT_STREQ(entry.target, c.target) << c.value;
        EXPECT_STREQ(entry.name, c.name) << c.value;
        EXPECT_EQ(entry.hasIcon, c.hasIcon) << c.value;
        EXPECT_STREQ(entry.icon, c.icon) << c.value;
    }
}

}  // namespace
