#pragma once
#include "framework/CGdiObject.h"

// An owned brush.
class CBrush : public CGdiObject<HBRUSH> {
public:
    CBrush() = default;
    BOOL CreateSolidBrush(COLORREF color)
    {
        Attach(::CreateSolidBrush(color));
        return GetSafeHandle() != nullptr;
    }
    // The colour of a solid brush (black for none).
    static COLORREF ColorOf(HBRUSH brush)
    {
        LOGBRUSH description = {};
        if (brush == nullptr || ::GetObjectA(brush, sizeof description, &description) != sizeof description)
            return RGB(0, 0, 0);
        return description.lbColor;
    }
};
