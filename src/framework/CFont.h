#pragma once
#include "framework/CGdiObject.h"

// An owned font.
class CFont : public CGdiObject<HFONT> {
public:
    CFont() = default;
    BOOL CreateFontIndirect(const LOGFONTA* description);
    // A font of pointTenths tenths of a point in face, its height measured against dc
    // (the screen when dc is null).
    BOOL CreatePointFont(int pointTenths, const char* face, HDC dc = nullptr);
    BOOL GetLogFont(LOGFONTA* description) const;
};
