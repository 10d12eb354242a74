#pragma once
// The library's application object. It adds nothing to the framework's: it exists so
// that the library has a main-window pointer for the dialogs that run without a parent.
#include "framework/CWinApp.h"

class CSetupApp : public CWinApp {
public:
    CSetupApp() = default;
    ~CSetupApp() override;
};

extern CSetupApp theApp;
