#include "controls/CEditEx.h"

#include <new>

#include "framework/BoundedString.h"

CEditEx::CEditEx()
    : m_crBackground(GetSysColor(COLOR_WINDOW)), m_crForeground(GetSysColor(COLOR_WINDOWTEXT)), m_pFont(nullptr)
{
    CreateBackBrush();
}

CEditEx::~CEditEx()
{
    delete m_pFont;
}

void CEditEx::CreateBackBrush()
{
    m_brBackground.CreateSolidBrush(m_crBackground);
}

COLORREF CEditEx::SetBackgroundColor(COLORREF color)
{
    COLORREF previous = m_crBackground;
    m_crBackground = color;
    m_brBackground.DeleteObject();
    CreateBackBrush();
    if (m_hWnd != nullptr)
        Invalidate(TRUE);
    return previous;
}

COLORREF CEditEx::SetForegroundColor(COLORREF color)
{
    COLORREF previous = m_crForeground;
    m_crForeground = color;
    if (m_hWnd != nullptr)
        Invalidate(TRUE);
    return previous;
}

void CEditEx::SetTextFont(int height, int weight, BYTE pitchAndFamily, const char* faceName)
{
    // The control draws with the new font before the old one is deleted.
    CFont* font = new (std::nothrow) CFont;
    if (font == nullptr)
        return;
    LOGFONTA description = {};
    description.lfHeight = height;
    description.lfWeight = weight;
    description.lfPitchAndFamily = pitchAndFamily;
    CopyTruncated(description.lfFaceName, sizeof description.lfFaceName, faceName);
    font->CreateFontIndirect(&description);
    if (m_hWnd != nullptr)
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font->GetSafeHandle()), TRUE);
    delete m_pFont;
    m_pFont = font;
}

HBRUSH CEditEx::CtlColor(HDC dc)
{
    ::SetTextColor(dc, m_crForeground);
    ::SetBkColor(dc, m_crBackground);
    return m_brBackground;
}

BOOL CEditEx::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message != WM_CTLCOLOREDIT)
        return CEdit::OnChildNotify(message, wParam, lParam, result);
    *result = reinterpret_cast<LRESULT>(CtlColor(reinterpret_cast<HDC>(wParam)));
    return TRUE;
}
