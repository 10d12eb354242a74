#include "framework/CDataExchange.h"

#include "framework/CDialog.h"

void DDX_Control(CDataExchange* exchange, int id, CWnd& control)
{
    if (control.m_hWnd == nullptr)
        (void)control.SubclassDlgItem(static_cast<UINT>(id), exchange->m_pDlgWnd);
}

void DDX_Text(CDataExchange* exchange, int id, CString& value)
{
    if (exchange->m_bSaveAndValidate)
        value = exchange->m_pDlgWnd->GetDlgItemText(id);
    else
        exchange->m_pDlgWnd->SetDlgItemText(id, value);
}
