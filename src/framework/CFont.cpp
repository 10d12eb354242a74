#include "framework/CFont.h"

#include "framework/BoundedString.h"

BOOL CFont::CreateFontIndirect(const LOGFONTA* description)
{
    Attach(::CreateFontIndirectA(description));
    return GetSafeHandle() != nullptr;
}

BOOL CFont::CreatePointFont(int pointTenths, const char* face, HDC dc)
{
    LOGFONTA description = {};
    description.lfCharSet = DEFAULT_CHARSET;
    CopyTruncated(description.lfFaceName, sizeof description.lfFaceName, face);
    HDC measure = dc ? dc : ::GetDC(nullptr);
    // Tenths of a point to device pixels, as a negative character height.
    int pixels = ::GetDeviceCaps(measure, LOGPIXELSY) * pointTenths / 720;
    if (dc == nullptr)
        ::ReleaseDC(nullptr, measure);
    description.lfHeight = -(pixels < 0 ? -pixels : pixels);
    return CreateFontIndirect(&description);
}

BOOL CFont::GetLogFont(LOGFONTA* description) const
{
    return GetSafeHandle() != nullptr &&
           ::GetObjectA(GetSafeHandle(), sizeof *description, description) == sizeof *description;
}
