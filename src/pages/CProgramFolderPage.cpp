#include "pages/CProgramFolderPage.h"

#include <cstring>

#include "framework/BoundedString.h"
#include "framework/CFindFile.h"
#include "pages/FolderEdit.h"
#include "pages/PageTitle.h"
#include "resources/resource.h"
#include "session/CRegistryKey.h"
#include "session/ProductConfig.h"
#include "text/TextTable.h"

namespace {

constexpr char kShellFoldersKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

bool IsDotEntry(const char* name)
{
    return strcmp(name, ".") == 0 || strcmp(name, "..") == 0;
}

}  // namespace

CProgramFolderPage::CProgramFolderPage()
    : CWizardPage(IDD_PROGRAM_FOLDER_PAGE), m_strFolder(g_config.m_pszProgramFolder)
{
}

void CProgramFolderPage::DoDataExchange(CDataExchange* exchange)
{
    DDX_Control(exchange, IDC_PAGE_TITLE, m_ctlTitle);
    DDX_Control(exchange, IDC_PAGE_TEXT, m_ctlText);
    DDX_Text(exchange, IDC_FOLDER_EDIT, m_strFolder);
    DDX_Control(exchange, IDC_PROGRAM_LIST, m_ctlFolderList);
}

BOOL CProgramFolderPage::OnInitDialog()
{
    CDialog::OnInitDialog();
    InitFolderEdit(*this, m_ctlFolder);
    return TRUE;
}

BOOL CProgramFolderPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == IDC_PROGRAM_LIST && HIWORD(wParam) == LBN_SELCHANGE) {
        OnSelchangeFolderList();
        return TRUE;
    }
    if (LOWORD(wParam) == IDC_FOLDER_EDIT && HIWORD(wParam) == EN_CHANGE) {
        OnChangeFolderEdit();
        return TRUE;
    }
    return CWizardPage::OnCommand(wParam, lParam);
}

void CProgramFolderPage::OnShowWindow(BOOL show, UINT)
{
    if (!show)
        return;
    CRegistryKey registry;
    registry.SetRootKey(HKEY_CURRENT_USER);
    (void)registry.SelectKey(kShellFoldersKey, FALSE);
    CString programs = registry.ReadString("Programs", "");
    SetFrameCaption("DLG P4T");
    ShowPageTitle(m_ctlTitle, "DLG P4T");
    m_ctlFolder.SetWindowText(g_config.m_pszProgramFolder ? g_config.m_pszProgramFolder : "");
    FillFolderList(programs);
    m_ctlText.SetText(GetTextOrEmpty("DLG P41"));
    SetDlgItemText(IDC_FOLDER_TEXT2, GetTextOrEmpty("DLG P42"));
    SetDlgItemText(IDC_PROGRAM_LIST_CAPTION, GetTextOrEmpty("DLG P43"));
}

void CProgramFolderPage::FillFolderList(const char* programs)
{
    m_ctlFolderList.ResetContent();
    char pattern[MAX_PATH];
    if (!FormatBounded(pattern, sizeof pattern, "%s\\*.*", programs))
        return;
    CFindFile search;
    for (bool found = search.FindFirst(pattern); found; found = search.FindNext()) {
        const WIN32_FIND_DATAA& entry = search.Data();
        if (IsDotEntry(entry.cFileName) || (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            continue;
        m_ctlFolderList.AddString(entry.cFileName);
    }
}

void CProgramFolderPage::OnSelchangeFolderList()
{
    int selected = m_ctlFolderList.GetCurSel();
    if (selected == LB_ERR)
        return;
    m_strFolder = m_ctlFolderList.GetText(selected);
    m_ctlFolder.SetWindowText(m_strFolder);
}

void CProgramFolderPage::OnChangeFolderEdit()
{
    m_strFolder = m_ctlFolder.GetWindowText();
}
