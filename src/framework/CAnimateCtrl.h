#pragma once
#include <commctrl.h>

#include "framework/CWinApp.h"
#include "framework/CWnd.h"

// An animation control playing a clip from the module's resources.
class CAnimateCtrl : public CWnd {
public:
    CAnimateCtrl() = default;
    BOOL Open(UINT resourceId)
    {
        return static_cast<BOOL>(SendMessage(ACM_OPENA, reinterpret_cast<WPARAM>(CWinApp::ResourceModule()),
                                             reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(resourceId))));
    }
    // Frames from..to (to -1: the last), repeat times (-1: without end).
    BOOL Play(UINT from, UINT to, UINT repeat)
    {
        return static_cast<BOOL>(SendMessage(ACM_PLAY, repeat, MAKELPARAM(from, to)));
    }
    BOOL Stop() { return static_cast<BOOL>(SendMessage(ACM_STOP)); }
};
