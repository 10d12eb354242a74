#pragma once
// The interface texts read from the language file. A text is named by its section and
// key joined by a blank ("MSG 10", "DLG P31"); a text the file lacks is null.
#include <cstddef>

#include "text/TextTemplate.h"

struct TextEntry {
    const char* section;
    const char* key;
    const char* name;  // section, a blank, key
    char* text;        // heap copy of the value, null when missing or empty
    size_t placeholder;  // offset of the display-name placeholder, kNoPlaceholder for none
};

struct TextTable {
    static constexpr size_t kCount = 44;
    TextEntry entries[kCount];
};

extern TextTable g_texts;

// Replaces every text with the value read from the session's language file.
void LoadTexts();
// Releases every text and sets it to null.
void ReleaseTexts();

// The text of that name (null when not loaded, missing or an unknown name).
const char* GetText(const char* name);
// The same, with a null text given as the empty string, for showing it.
const char* GetTextOrEmpty(const char* name);

// Writes the text of that name with argument in place of its display-name placeholder
// ("%P" in the file of "DLG P31" and "DLG PF1"). Every other character is literal; a
// text without the placeholder is written unchanged and a null text gives "".
bool FormatNamedText(char* out, size_t capacity, const char* name, const char* argument);

// Builds the path of the session's language file; false when it does not fit.
bool LanguageFilePath(char* out, size_t capacity);
