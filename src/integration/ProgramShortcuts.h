#pragma once
// The product's Start-menu program folder and one shortcut in it for each entry of the
// Icons section of setupm.ini.
#include <windows.h>

// Step 3 of the installation; appends a record per shortcut, then the folder's record.
void CreateProgramShortcuts();

// One Icons entry split at its first and second comma: "target,name" or
// "target,name,icon". Returns false for an entry without a comma.
struct IconsEntry {
    char target[MAX_PATH];
    char name[MAX_PATH];
    char icon[MAX_PATH];
    bool hasIcon;
};
bool SplitIconsEntry(const char* value, IconsEntry* entry);
