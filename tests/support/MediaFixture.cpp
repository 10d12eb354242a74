#include "MediaFixture.h"

std::string IniText(const std::vector<IniEntry>& entries)
{
    std::vector<std::string> sections;
    for (const IniEntry& entry : entries) {
        bool seen = false;
        for (const std::string& section : sections)
            seen = seen || section == entry.section;
        if (!seen)
            sections.push_back(entry.section);
    }
    std::string text;
    for (const std::string& section : sections) {
        text += "[" + section + "]\r\n";
        for (const IniEntry& entry : entries) {
            if (entry.section == section)
                text += entry.key + "=" + entry.value + "\r\n";
        }
        text += "\r\n";
    }
    return text;
}

const std::vector<std::string>& AllTextNames()
{
    static const std::vector<std::string> names = {
        "MSG 1",   "MSG 2",   "MSG 4",   "MSG 7",   "MSG 8",   "MSG 10",  "MSG 11",  "MSG 12",  "MSG 20",
        "MSG 21",  "MSG 22",  "MSG 23",  "MSG 24",  "MSG 25",  "MSG 301", "MSG 302", "MSG 304", "MSG 306",
        "DLG P1T", "DLG P11", "DLG P12", "DLG P13", "DLG P14", "DLG P15", "DLG P16", "DLG P3T", "DLG P31",
        "DLG P32", "DLG P33", "DLG P4T", "DLG P41", "DLG P42", "DLG P43", "DLG P5T", "DLG P51", "DLG P7T",
        "DLG P71", "DLG PWHEEL3", "DLG PWHEEL5", "DLG PFT", "DLG PF1", "DLG PF2", "DLG PF4", "DLG PF5",
    };
    return names;
}

std::string NamedTextValue(const std::string& textName)
{
    return "[" + textName + "] text";
}

std::vector<IniEntry> NamedTexts()
{
    std::vector<IniEntry> entries;
    for (const std::string& name : AllTextNames()) {
        size_t blank = name.find(' ');
        entries.push_back({name.substr(0, blank), name.substr(blank + 1), NamedTextValue(name)});
    }
    return entries;
}

std::vector<IniEntry> StandardConfig()
{
    return {
        {"Manufacture", "Manufacture", "Test Devices Ltd."},
        {"Product", "Product", "Test Wheel Mouse"},
        {"Product", "Key", "ptrctl32.exe"},
        {"Product", "VER", "2.10"},
        {"Target", "Dir", "TestWheel"},
        {"Target", "Folder", "Test Wheel Mouse"},
        {"Display Name", "Name", "Test Wheel"},
        {"Title", "CaptionBar", "Test Wheel Control"},
        {"Title", "Main", "TestWheelMain"},
        {"Applications", "Main", "ptrctl32.exe"},
        {"Applications", "IniFile", "options.ini"},
        {"Applications", "DllFile", "ptrext.dll"},
        {"Icons", "1", "ptrctl32.exe,Wheel Control"},
        {"Icons", "2", "remove00.exe,Remove %s,res\\panel.ico"},
    };
}

void MediaFixture::WriteConfig(const std::vector<IniEntry>& entries) const
{
    WriteConfigText(IniText(entries));
}

void MediaFixture::WriteConfigText(const std::string& text) const
{
    WriteText("setupm.ini", text);
}

void MediaFixture::WriteLanguageFile(const std::vector<IniEntry>& entries, const std::string& extension) const
{
    WriteLanguageText(IniText(entries), extension);
}

void MediaFixture::WriteLanguageText(const std::string& text, const std::string& extension) const
{
    WriteText("tx-00001\\setuptxt." + extension, text);
}
