#pragma once
// Data exchange between a dialog's members and its controls.
#include <windows.h>

#include "framework/CString.h"

class CDialog;
class CWnd;

struct CDataExchange {
    CDialog* m_pDlgWnd;
    BOOL m_bSaveAndValidate;  // TRUE: controls into members; FALSE: members into controls
};

// Binds a control object to the dialog's control id (subclassing it, the first time).
void DDX_Control(CDataExchange* exchange, int id, CWnd& control);
// Exchanges the text of a control with a string member.
void DDX_Text(CDataExchange* exchange, int id, CString& value);
