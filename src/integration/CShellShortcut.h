#pragma once
// A shortcut description with the shell link object that writes it to a .lnk file.
// The caller's thread must have initialised the component library.
#include <windows.h>
#include <shlobj.h>

#include "integration/CShortcutInfo.h"

class CShellShortcut {
public:
    CShellShortcut() = default;
    ~CShellShortcut();
    CShellShortcut(const CShellShortcut&) = delete;
    CShellShortcut& operator=(const CShellShortcut&) = delete;

    // Creates the shell link object on first use; TRUE when both interfaces are held.
    BOOL EnsureLinkObject();
    // Takes a copy of the description; FALSE when no link object can be had.
    BOOL Assign(const CShortcutInfo& info);
    // Writes the shortcut to linkPath; TRUE when the shell reports success.
    BOOL Save(const char* linkPath);

private:
    CShortcutInfo m_info;
    IShellLinkA* m_pShellLink = nullptr;
    IPersistFile* m_pPersistFile = nullptr;
    BOOL m_bCreateTried = FALSE;
};

// The identifiers of the shell link object and its two interfaces.
extern const CLSID kShellLinkClass;
extern const IID kShellLinkInterface;
extern const IID kPersistFileInterface;
