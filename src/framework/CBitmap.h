#pragma once
#include "framework/CGdiObject.h"

// An owned bitmap.
class CBitmap : public CGdiObject<HBITMAP> {
public:
    CBitmap() = default;
    BOOL CreateCompatibleBitmap(HDC dc, int width, int height)
    {
        Attach(::CreateCompatibleBitmap(dc, width, height));
        return GetSafeHandle() != nullptr;
    }
};
