#pragma once
// The folder edit control of the destination and program folder pages: blue bold
// Times New Roman on white, and never more characters than a path buffer holds.
#include "controls/CEditEx.h"
#include "framework/CDialog.h"

// Subclasses the page's control 1018 as edit and gives it its colours, font and limit.
void InitFolderEdit(CDialog& page, CEditEx& edit);
