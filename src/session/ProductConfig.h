#pragma once
// The product description read from setupm.ini at the start of every session.
#include <cstddef>

struct ProductConfig {
    char* m_pszProductName;    // [Product] Product
    char* m_pszProductKey;     // [Product] Key: the main program, relative to the destination
    char* m_pszTargetDir;      // [Target] Dir: appended to Program Files for the default destination
    char* m_pszProgramFolder;  // [Target] Folder: the Start-menu folder; the wizard may replace it
    char* m_pszDisplayName;    // [Display Name] Name
    char* m_pszCaptionBar;     // [Title] CaptionBar
    char* m_pszMainTitle;      // [Title] Main
};

extern ProductConfig g_config;

// Records the start folder, reads the seven strings and computes the default destination.
void LoadProductConfig();
// Releases the seven strings and sets each to null.
void ReleaseProductConfig();

// Replaces a session string with a heap copy of text (null text gives an empty string).
void ReplaceConfigString(char** member, const char* text);

// The folder the default destination is built on: the registry's programfilesDir when
// the CurrentVersion key can be selected, else the fallback below.
bool DefaultDestinationBase(char* out, size_t capacity);
// The Program Files folder for a user who may not open the CurrentVersion key with
// full access: the value read with read-only access, else the shell's folder.
bool FallbackProgramFilesFolder(char* out, size_t capacity);
