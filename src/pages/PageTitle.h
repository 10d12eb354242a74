#pragma once
// The settings every page gives its title label: italic, 15 point, bold, blue.
#include "controls/CLinkLabel.h"

constexpr COLORREF kPageBlue = RGB(0, 0, 255);
constexpr COLORREF kPageRed = RGB(255, 0, 0);

void ShowPageTitle(CLinkLabel& title, const char* textName);
