#pragma once
// The shell's folder browser, presented like a modal dialog: DoModal gives 1 with the
// chosen folder's path in m_szPath, 2 for an item that is no file-system folder and
// -1 when the user cancelled.
#include <windows.h>
#include <shlobj.h>

#include "framework/CDialog.h"

class CFolderDialog : public CDialog {
public:
    // title is kept by pointer: it must outlive the dialog. An initial folder that does
    // not fit is not preselected.
    CFolderDialog(const char* title, const char* initialFolder, CWnd* parent, UINT flags);

    INT_PTR DoModal() override;

    BROWSEINFOA m_bi;
    char m_szPath[MAX_PATH];
    char m_szInitialFolder[MAX_PATH];
    char m_szDisplayName[MAX_PATH];
    HWND m_hWndBrowse;

protected:
    virtual void OnInitialized();

private:
    static int CALLBACK BrowseCallbackProc(HWND hwnd, UINT message, LPARAM lParam, LPARAM data);
};
