#pragma once
// The large italic title the main setup window paints over its gradient.
#include <windows.h>

void DrawTitleText(HDC dc, int x, int y, const char* text, const char* faceName, int charWidth, int charHeight,
                   COLORREF color, int weight);
