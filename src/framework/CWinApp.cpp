#include "framework/CWinApp.h"

#include "framework/CWnd.h"

// The linker's symbol for the start of the image this code is linked into.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {
CWinApp* g_pApp = nullptr;
}

CWinApp::CWinApp()
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = nullptr;
}

HINSTANCE CWinApp::ResourceModule()
{
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

CWnd* AfxGetMainWnd()
{
    if (g_pApp != nullptr && g_pApp->m_pMainWnd != nullptr)
        return g_pApp->m_pMainWnd;
    return CWnd::FromHandlePermanent(GetActiveWindow());
}
