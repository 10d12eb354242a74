#pragma once
#include "framework/CWnd.h"

// A button, check box or radio button.
class CButton : public CWnd {
public:
    CButton() = default;
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int state) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(state)); }
};
