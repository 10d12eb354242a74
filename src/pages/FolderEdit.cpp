#include "pages/FolderEdit.h"

#include "resources/resource.h"

void InitFolderEdit(CDialog& page, CEditEx& edit)
{
    edit.SubclassDlgItem(IDC_FOLDER_EDIT, &page);
    edit.SetBackgroundColor(RGB(255, 255, 255));
    edit.SetForegroundColor(RGB(0, 0, 255));
    edit.SetTextFont(-12, 800, 0, "Times New Roman");
    // What the user types is copied into a buffer of MAX_PATH characters.
    edit.LimitText(MAX_PATH - 1);
}
