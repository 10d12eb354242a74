#pragma once
// Maps a language index to the extension of its language file.

// The extension of row index, or null for an index outside the table.
const char* LanguageExtension(int index);
