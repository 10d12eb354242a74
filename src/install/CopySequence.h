#pragma once
// Places the product files, the filter driver and the uninstaller in their order, and
// logs each placed file and folder in the uninstall log.

// Runs on the install worker after the install folder exists and the log is open.
void CopyProductFiles();

// The model folder on the media: "3D" for the first button model, "4D" for the second.
const char* ButtonModelFolder(int buttonModel);
