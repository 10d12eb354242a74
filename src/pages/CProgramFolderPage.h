#pragma once
// Page 3: the Start-menu folder for the shortcuts, typed or picked from the folders
// that already exist in the user's Programs folder.
#include "controls/CEditEx.h"
#include "controls/CLinkLabel.h"
#include "framework/CListBox.h"
#include "pages/CWizardPage.h"

class CProgramFolderPage : public CWizardPage {
public:
    CProgramFolderPage();

    CLinkLabel m_ctlTitle;
    CLinkLabel m_ctlText;
    CEditEx m_ctlFolder;
    CString m_strFolder;
    CListBox m_ctlFolderList;

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnShowWindow(BOOL show, UINT status) override;
    void OnSelchangeFolderList();
    void OnChangeFolderEdit();

private:
    // Lists the folders (not the files) directly under programs.
    void FillFolderList(const char* programs);
};
