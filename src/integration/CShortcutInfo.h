#pragma once
// The description of one shell shortcut.
#include <windows.h>

#include "framework/CString.h"

class CShortcutInfo {
public:
    CShortcutInfo() = default;
    virtual ~CShortcutInfo();
    CShortcutInfo(const CShortcutInfo&) = default;
    CShortcutInfo& operator=(const CShortcutInfo&) = default;

    CString m_strPath;         // target
    CString m_strArguments;
    CString m_strDescription;  // tooltip
    WORD m_wHotkey = 0;        // as the shell link object encodes it
    CString m_strIconPath;
    int m_nIconIndex = 0;
    int m_nShowCmd = SW_SHOW;
    CString m_strWorkingDir;
};
