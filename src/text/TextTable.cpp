#include "text/TextTable.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "entry/SetupState.h"
#include "framework/BoundedString.h"

namespace {

constexpr char kTextFolder[] = "tx-00001\\";
constexpr char kTextStem[] = "setuptxt";

#define TEXT_ROW(section, key) {section, key, section " " key, nullptr, kNoPlaceholder}

}  // namespace

// Section MSG first, then DLG, each in the order of the file's documentation.
TextTable g_texts = {{
    TEXT_ROW("MSG", "1"),    TEXT_ROW("MSG", "2"),    TEXT_ROW("MSG", "4"),    TEXT_ROW("MSG", "7"),
    TEXT_ROW("MSG", "8"),    TEXT_ROW("MSG", "10"),   TEXT_ROW("MSG", "11"),   TEXT_ROW("MSG", "12"),
    TEXT_ROW("MSG", "20"),   TEXT_ROW("MSG", "21"),   TEXT_ROW("MSG", "22"),   TEXT_ROW("MSG", "23"),
    TEXT_ROW("MSG", "24"),   TEXT_ROW("MSG", "25"),   TEXT_ROW("MSG", "301"),  TEXT_ROW("MSG", "302"),
    TEXT_ROW("MSG", "304"),  TEXT_ROW("MSG", "306"),
    TEXT_ROW("DLG", "P1T"),  TEXT_ROW("DLG", "P11"),  TEXT_ROW("DLG", "P12"),  TEXT_ROW("DLG", "P13"),
    TEXT_ROW("DLG", "P14"),  TEXT_ROW("DLG", "P15"),  TEXT_ROW("DLG", "P16"),  TEXT_ROW("DLG", "P3T"),
    TEXT_ROW("DLG", "P31"),  TEXT_ROW("DLG", "P32"),  TEXT_ROW("DLG", "P33"),  TEXT_ROW("DLG", "P4T"),
    TEXT_ROW("DLG", "P41"),  TEXT_ROW("DLG", "P42"),  TEXT_ROW("DLG", "P43"),  TEXT_ROW("DLG", "P5T"),
    TEXT_ROW("DLG", "P51"),  TEXT_ROW("DLG", "P7T"),  TEXT_ROW("DLG", "P71"),  TEXT_ROW("DLG", "PWHEEL3"),
    TEXT_ROW("DLG", "PWHEEL5"), TEXT_ROW("DLG", "PFT"), TEXT_ROW("DLG", "PF1"), TEXT_ROW("DLG", "PF2"),
    TEXT_ROW("DLG", "PF4"),  TEXT_ROW("DLG", "PF5"),
}};

#undef TEXT_ROW

namespace {

// The two texts into which the display name is inserted: their first "%P" becomes
// the one string placeholder the pages fill.
bool IsDisplayNameTemplate(const TextEntry& entry)
{
    return strcmp(entry.name, "DLG P31") == 0 || strcmp(entry.name, "DLG PF1") == 0;
}

// The first "%P" becomes "%s", and its place is kept: a "%s" the file itself holds
// elsewhere stays literal text.
void MarkDisplayNamePlaceholder(TextEntry& entry)
{
    char* placeholder = strstr(entry.text, "%P");
    if (placeholder == nullptr)
        return;
    placeholder[1] = 's';
    entry.placeholder = static_cast<size_t>(placeholder - entry.text);
}

const TextEntry* FindEntry(const char* name)
{
    if (name == nullptr)
        return nullptr;
    for (const TextEntry& entry : g_texts.entries) {
        if (strcmp(entry.name, name) == 0)
            return &entry;
    }
    return nullptr;
}

char* CopyText(const char* value, size_t length)
{
    char* copy = static_cast<char*>(malloc(length + 1));
    if (copy != nullptr)
        memcpy(copy, value, length + 1);
    return copy;
}

}  // namespace

bool LanguageFilePath(char* out, size_t capacity)
{
    return FormatBounded(out, capacity, "%s\\%s%s.%s", g_setup.m_szSourceDir, kTextFolder, kTextStem,
                         g_setup.m_pszLanguageExt ? g_setup.m_pszLanguageExt : "");
}

void LoadTexts()
{
    char path[MAX_PATH];
    bool havePath = LanguageFilePath(path, sizeof path);
    ReleaseTexts();
    if (!havePath)
        return;
    char value[MAX_PATH];
    for (TextEntry& entry : g_texts.entries) {
        DWORD length = GetPrivateProfileStringA(entry.section, entry.key, "", value, sizeof value, path);
        if (length == 0)
            continue;
        entry.text = CopyText(value, length);
        if (entry.text != nullptr && IsDisplayNameTemplate(entry))
            MarkDisplayNamePlaceholder(entry);
    }
}

void ReleaseTexts()
{
    for (TextEntry& entry : g_texts.entries) {
        free(entry.text);
        entry.text = nullptr;
        entry.placeholder = kNoPlaceholder;
    }
}

const char* GetText(const char* name)
{
    const TextEntry* entry = FindEntry(name);
    return entry ? entry->text : nullptr;
}

bool FormatNamedText(char* out, size_t capacity, const char* name, const char* argument)
{
    const TextEntry* entry = FindEntry(name);
    if (entry == nullptr)
        return CopyBounded(out, capacity, "");
    return SpliceTextArgument(out, capacity, entry->text, entry->placeholder, argument);
}

const char* GetTextOrEmpty(const char* name)
{
    const char* text = GetText(name);
    return text ? text : "";
}
