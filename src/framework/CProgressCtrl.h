#pragma once
#include <commctrl.h>

#include "framework/CWnd.h"

// A progress bar.
class CProgressCtrl : public CWnd {
public:
    CProgressCtrl() = default;
    void SetRange(short lower, short upper) { SendMessage(PBM_SETRANGE, 0, MAKELPARAM(lower, upper)); }
    int SetPos(int position) { return static_cast<int>(SendMessage(PBM_SETPOS, static_cast<WPARAM>(position))); }
};
