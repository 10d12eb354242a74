#pragma once
// The application object of a module: one static instance per module, constructed
// when the module is loaded. It knows the module whose resources the windows use and
// the window that is the application's main window.
#include <windows.h>

class CWnd;

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    CWnd* m_pMainWnd = nullptr;

    // The module that holds this code and its resources (the DLL, not the process).
    static HINSTANCE ResourceModule();
};

// The module's application object, or null before it is constructed.
CWinApp* AfxGetApp();
// The application's main window; without one, the object of the window active on the
// calling thread (null when there is none or it has no object).
CWnd* AfxGetMainWnd();
