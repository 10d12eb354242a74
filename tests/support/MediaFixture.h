#pragma once
// A media folder in a scratch folder of the prefix: setupm.ini, the language file and
// whatever product files a test adds.
#include <string>
#include <utility>
#include <vector>

#include "ScratchFolder.h"

// One line of an initialisation file: section, key and value.
struct IniEntry {
    std::string section;
    std::string key;
    std::string value;
};

// Writes entries as an initialisation file's text, sections in first-seen order.
std::string IniText(const std::vector<IniEntry>& entries);

// Every text name the language file carries ("MSG 10", "DLG P31", ...), in file order.
const std::vector<std::string>& AllTextNames();
// A language file giving each text a value that names it ("[MSG 10] text").
std::vector<IniEntry> NamedTexts();
// The value NamedTexts gives a text.
std::string NamedTextValue(const std::string& textName);

// A plausible product description with every key of setupm.ini.
std::vector<IniEntry> StandardConfig();

class MediaFixture : public ScratchFolder {
public:
    MediaFixture() : ScratchFolder("media") {}

    void WriteConfig(const std::vector<IniEntry>& entries) const;
    void WriteConfigText(const std::string& text) const;
    void WriteLanguageFile(const std::vector<IniEntry>& entries, const std::string& extension = "enu") const;
    void WriteLanguageText(const std::string& text, const std::string& extension = "enu") const;
    std::string ConfigPath() const { return Join("setupm.ini"); }
    std::string LanguagePath(const std::string& extension = "enu") const
    {
        return Join("tx-00001\\setuptxt." + extension);
    }
};
