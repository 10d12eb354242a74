#include "windows/CMessageDlg.h"

#include "resources/resource.h"
#include "text/TextTable.h"

CMessageDlg::CMessageDlg() : CDialog(IDD_MESSAGE, nullptr)
{
}

BOOL CMessageDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(GetTextOrEmpty("MSG 20"));
    SetDlgItemText(IDC_MESSAGE_LINE1, GetTextOrEmpty("MSG 23"));
    SetDlgItemText(IDC_MESSAGE_LINE2, GetTextOrEmpty("MSG 24"));
    SetDlgItemText(IDC_MESSAGE_LINE3, GetTextOrEmpty("MSG 25"));
    SetDlgItemText(IDOK, GetTextOrEmpty("MSG 21"));
    SetDlgItemText(IDCANCEL, GetTextOrEmpty("MSG 22"));
    return TRUE;
}

int ConfirmExit()
{
    CMessageDlg dialog;
    return static_cast<int>(dialog.DoModal());
}
