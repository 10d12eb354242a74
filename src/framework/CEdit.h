#pragma once
#include "framework/CWnd.h"

// An edit control.
class CEdit : public CWnd {
public:
    CEdit() = default;
    // The most characters the user can type or paste.
    void LimitText(int characters) { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(characters)); }
};
