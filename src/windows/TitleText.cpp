#include "windows/TitleText.h"

#include <cstring>

#include "framework/BoundedString.h"
#include "framework/CFont.h"
#include "framework/CSelectGuard.h"

void DrawTitleText(HDC dc, int x, int y, const char* text, const char* faceName, int charWidth, int charHeight,
                   COLORREF color, int weight)
{
    SetBkMode(dc, TRANSPARENT);
    LOGFONTA description = {};
    description.lfHeight = charHeight;
    description.lfWidth = charWidth;
    description.lfWeight = weight;
    description.lfItalic = TRUE;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfOutPrecision = OUT_DEFAULT_PRECIS;
    description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    description.lfQuality = ANTIALIASED_QUALITY;
    description.lfPitchAndFamily = FF_ROMAN | VARIABLE_PITCH;
    CopyTruncated(description.lfFaceName, sizeof description.lfFaceName, faceName);
    CFont font;
    font.CreateFontIndirect(&description);
    CSelectGuard selectFont(dc, font.GetSafeHandle());
    int length = static_cast<int>(strlen(text));
    SIZE extent = {};
    GetTextExtentPoint32A(dc, text, length, &extent);
    SetTextColor(dc, color);
    RECT area = {x, y, x + extent.cx, y + extent.cy};
    DrawTextA(dc, text, length, &area, 0);
}
