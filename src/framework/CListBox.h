#pragma once
#include "framework/CWnd.h"

// A list box.
class CListBox : public CWnd {
public:
    CListBox() = default;
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    int AddString(const char* text) { return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text))); }
    int GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }
    int SetCurSel(int index) { return static_cast<int>(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(index))); }
    CString GetText(int index) const;
};
