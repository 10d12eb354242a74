#pragma once
// Removes stale lower-filter entries naming the product's driver from the USB devices
// present on Windows 95, 98 and Me, before the driver is installed again.

// Uses the system's device set-up library. Does nothing on other systems.
void ClearUsbLowerFilters();
// The same with the device set-up library at libraryPath.
void ClearUsbLowerFiltersWith(const char* libraryPath);
