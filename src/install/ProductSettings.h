#pragma once
// The settings files the product's own programs read after the installation:
// PtrInfo.ini and OPTIONS.INI in the install folder, copied from setupm.ini.

// Runs on the install worker after the copying.
void WriteProductSettings();
