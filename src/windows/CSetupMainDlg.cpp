#include "windows/CSetupMainDlg.h"

#include "entry/SetupState.h"
#include "framework/BoundedString.h"
#include "framework/CWinApp.h"
#include "resources/resource.h"
#include "session/ProductConfig.h"
#include "text/TextTable.h"
#include "windows/TitleText.h"

namespace {

constexpr COLORREF kTopColor = RGB(0, 0, 255);
constexpr COLORREF kBottomColor = RGB(0, 0, 0);

}  // namespace

CSetupMainDlg::CSetupMainDlg()
    : CDialog(IDD_MAIN_WINDOW, nullptr),
      m_pGradient(nullptr),
      m_hIcon(LoadIconA(CWinApp::ResourceModule(), MAKEINTRESOURCEA(IDI_SETUP)))
{
}

CSetupMainDlg::~CSetupMainDlg() = default;

BOOL CSetupMainDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    SetWindowText(GetTextOrEmpty("MSG 10"));
    g_setup.m_pMainDlg = this;
    m_wizardFrame.Create(IDD_WIZARD_FRAME, this);
    m_pGradient = backdrop::CreateGradient();
    backdrop::SetGradientColors(kTopColor, kBottomColor, m_pGradient);
    ShowWindow(SW_SHOWMAXIMIZED);
    m_wizardFrame.ShowWindow(SW_SHOW);
    m_wizardFrame.SetFocus();
    return TRUE;
}

LRESULT CSetupMainDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_QUERYDRAGICON:
        return reinterpret_cast<LRESULT>(OnQueryDragIcon());
    case WM_ERASEBKGND:
        return OnEraseBkgnd(reinterpret_cast<HDC>(wParam));
    case WM_DESTROY:
        OnDestroy();
        break;
    case WM_SHOWWINDOW: {
        LRESULT result = CDialog::WindowProc(message, wParam, lParam);
        OnShowWindow(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));
        return result;
    }
    default:
        break;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

BOOL CSetupMainDlg::OnEraseBkgnd(HDC dc)
{
    (void)CDialog::WindowProc(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(&client);
    backdrop::BuildGradient(client, m_pGradient);
    backdrop::PaintGradient(dc, m_pGradient);
    return TRUE;
}

void CSetupMainDlg::PaintIcon()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    RECT client;
    GetClientRect(&client);
    int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, m_hIcon);
    EndPaint(m_hWnd, &paint);
}

void CSetupMainDlg::OnPaint()
{
    if (IsIconic()) {
        PaintIcon();
        return;
    }
    const char* lead = GetTextOrEmpty("MSG 11");
    const char* product = g_config.m_pszProductName ? g_config.m_pszProductName : "";
    char title[2 * MAX_PATH];
    if (!FormatBounded(title, sizeof title, "%s %s", lead, product))
        title[0] = '\0';
    // The update region is validated first, so that an erase it still asks for cannot
    // paint the gradient over the title afterwards.
    PAINTSTRUCT paint;
    ::BeginPaint(m_hWnd, &paint);
    HDC dc = ::GetDC(m_hWnd);
    if (dc != nullptr) {
        OnEraseBkgnd(dc);
        DrawTitleText(dc, 10, 10, title, "Times New Roman", 12, 26, RGB(255, 255, 255), 700);
        ::ReleaseDC(m_hWnd, dc);
    }
    ::EndPaint(m_hWnd, &paint);
    FocusFrame();
}

void CSetupMainDlg::FocusFrame()
{
    // Only a focus left on this window (or on none) goes to the frame: the frame's own
    // controls and the dialogs it runs keep theirs.
    HWND focus = ::GetFocus();
    if (m_wizardFrame.m_hWnd != nullptr && (focus == nullptr || focus == m_hWnd))
        m_wizardFrame.SetFocus();
}

void CSetupMainDlg::OnShowWindow(BOOL, UINT)
{
    if (m_wizardFrame.m_hWnd != nullptr)
        m_wizardFrame.SetFocus();
}

void CSetupMainDlg::OnDestroy()
{
    backdrop::DestroyGradient(m_pGradient);
    m_pGradient = nullptr;
    if (m_wizardFrame.m_hWnd != nullptr)
        m_wizardFrame.DestroyWindow();
}

BOOL CSetupMainDlg::PreTranslateMessage(MSG* message)
{
    bool keyDown = message->message == WM_KEYDOWN || message->message == WM_SYSKEYDOWN;
    if (keyDown && (message->wParam == VK_RETURN || message->wParam == VK_ESCAPE)) {
        // Neither key may end a dialog: the key is dropped and the frame gets the focus.
        message->wParam = 0;
        if (m_wizardFrame.m_hWnd != nullptr)
            m_wizardFrame.SetFocus();
    }
    return CDialog::PreTranslateMessage(message);
}
