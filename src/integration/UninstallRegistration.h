#pragma once
// Lists the product among the system's installed programs with its uninstaller, and
// records the product's folder, name and main program under its own key.

// Step 4, the last of the installation; appends the uninstall key's record to the log.
void RegisterUninstall();
