#include "controls/CLinkLabel.h"

#include <shellapi.h>

#include <cstring>

#include "framework/BoundedString.h"
#include "framework/CBitmap.h"
#include "framework/CMemoryDC.h"
#include "framework/CPaintDC.h"
#include "framework/CSelectGuard.h"

namespace {

constexpr LONG kBoldWeight = 700;
constexpr LONG kNormalWeight = 400;

}  // namespace

CLinkLabel::CLinkLabel()
    : m_crText(GetSysColor(COLOR_WINDOWTEXT)),
      m_crHighlight(RGB(255, 255, 255)),
      m_logFont(),
      m_bFlashPhase(FALSE),
      m_bTimerStarted(FALSE),
      m_bTransparent(FALSE),
      m_b3DText(FALSE),
      m_bNotifyParent(FALSE),
      m_bRotated(FALSE),
      m_nFlashKind(0),
      m_hLinkCursor(nullptr),
      m_b3DDownRight(FALSE),
      m_bGradient(FALSE),
      m_crGradientEnd(0),
      m_crBack(0)
{
    m_hDefaultBrush.CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
}

CLinkLabel::~CLinkLabel() = default;

void CLinkLabel::PreSubclassWindow()
{
    CStatic::PreSubclassWindow();
    HFONT font = GetFont();
    // A control without a font of its own draws in the system's dialog font.
    if (font == nullptr)
        font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    if (GetObjectA(font, sizeof m_logFont, &m_logFont) != sizeof m_logFont)
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof m_logFont, &m_logFont);
    m_font.CreateFontIndirect(&m_logFont);
}

void CLinkLabel::RecreateFont()
{
    m_font.DeleteObject();
    m_font.CreateFontIndirect(&m_logFont);
}

void CLinkLabel::Repaint()
{
    if (m_hWnd == nullptr)
        return;
    RECT area;
    GetWindowRect(&area);
    RedrawWindow(nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HWND parent = GetParent();
    if (parent == nullptr)
        return;
    POINT corners[2] = {{area.left, area.top}, {area.right, area.bottom}};
    MapWindowPoints(nullptr, parent, corners, 2);
    RECT inParent = {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
    InvalidateRect(parent, &inParent, TRUE);
    UpdateWindow(parent);
}

CLinkLabel& CLinkLabel::SetBackColor(COLORREF color, COLORREF endColor, BOOL gradient)
{
    m_crBack = color;
    m_crGradientEnd = endColor;
    m_bGradient = gradient;
    m_hBackBrush.DeleteObject();
    if (!gradient)
        m_hBackBrush.CreateSolidBrush(color);
    Repaint();
    return *this;
}

CLinkLabel& CLinkLabel::SetTextColor(COLORREF color)
{
    m_crText = color;
    Repaint();
    return *this;
}

CLinkLabel& CLinkLabel::SetText(const char* text)
{
    SetWindowText(text);
    Repaint();
    return *this;
}

CLinkLabel& CLinkLabel::SetBold(BOOL bold)
{
    m_logFont.lfWeight = bold ? kBoldWeight : kNormalWeight;
    RecreateFont();
    Repaint();
    return *this;
}

CLinkLabel& CLinkLabel::SetFaceName(const char* face, BYTE charSet)
{
    m_logFont.lfCharSet = charSet;
    // A face of 32 characters or more does not fit the font description: it is cut.
    CopyTruncated(m_logFont.lfFaceName, sizeof m_logFont.lfFaceName, face);
    RecreateFont();
    Repaint();
    return *this;
}

CLinkLabel& CLinkLabel::SetUnderline(BOOL underline)
{
    m_logFont.lfUnderline = static_cast<BYTE>(underline ? 1 : 0);
    RecreateFont();
    Repaint();
    return *this;
}

CLinkLabel& CLinkLabel::SetItalic(BOOL italic)
{
    m_logFont.lfItalic = static_cast<BYTE>(italic ? 1 : 0);
    RecreateFont();
    Repaint();
    return *this;
}

CLinkLabel& CLinkLabel::SetPointSize(int points)
{
    CFont measured;
    if (measured.CreatePointFont(points * 10, m_logFont.lfFaceName)) {
        LOGFONTA description;
        if (measured.GetLogFont(&description)) {
            m_logFont.lfHeight = description.lfHeight;
            m_logFont.lfWidth = description.lfWidth;
        }
    }
    RecreateFont();
    Repaint();
    return *this;
}

CLinkLabel& CLinkLabel::SetStaticEdge(BOOL edge)
{
    if (edge)
        ModifyStyleEx(0, WS_EX_STATICEDGE, SWP_FRAMECHANGED);
    else
        ModifyStyleEx(WS_EX_STATICEDGE, 0, SWP_FRAMECHANGED);
    return *this;
}

CLinkLabel& CLinkLabel::SetBorder(BOOL border)
{
    if (border)
        ModifyStyle(0, WS_BORDER, SWP_FRAMECHANGED);
    else
        ModifyStyle(WS_BORDER, 0, SWP_FRAMECHANGED);
    return *this;
}

CLinkLabel& CLinkLabel::SetTransparent(BOOL transparent)
{
    m_bTransparent = transparent;
    ModifyStyleEx(0, WS_EX_TRANSPARENT);
    Repaint();
    return *this;
}

void CLinkLabel::StopFlashTimer()
{
    if (m_bTimerStarted && m_hWnd != nullptr)
        KillTimer(kFlashTimer);
    m_bTimerStarted = FALSE;
}

CLinkLabel& CLinkLabel::FlashText(BOOL flash)
{
    StopFlashTimer();
    if (flash) {
        m_bFlashPhase = FALSE;
        m_bTimerStarted = TRUE;
        SetTimer(kFlashTimer, kFlashPeriod);
        m_nFlashKind = 1;
    } else {
        m_nFlashKind = 0;
    }
    return *this;
}

CLinkLabel& CLinkLabel::FlashBackground(BOOL flash)
{
    StopFlashTimer();
    if (flash) {
        m_bFlashPhase = FALSE;
        m_bTimerStarted = TRUE;
        SetTimer(kFlashTimer, kFlashPeriod);
        m_nFlashKind = 2;
    }
    return *this;
}

CLinkLabel& CLinkLabel::SetLink(BOOL link, BOOL notifyParent)
{
    m_bNotifyParent = notifyParent;
    if (link)
        ModifyStyle(0, SS_NOTIFY);
    else
        ModifyStyle(SS_NOTIFY, 0);
    return *this;
}

CLinkLabel& CLinkLabel::SetLinkCursor(HCURSOR cursor)
{
    m_hLinkCursor = cursor;
    return *this;
}

CLinkLabel& CLinkLabel::Set3DText(BOOL on, BOOL downRight)
{
    m_b3DText = on;
    m_b3DDownRight = downRight;
    Repaint();
    return *this;
}

CLinkLabel& CLinkLabel::SetRotation(int degrees, BOOL rotated)
{
    m_logFont.lfEscapement = degrees * 10;
    m_logFont.lfOrientation = degrees * 10;
    m_bRotated = rotated;
    RecreateFont();
    Repaint();
    return *this;
}

CLinkLabel& CLinkLabel::SetHighlightColor(COLORREF color)
{
    m_crHighlight = color;
    Repaint();
    return *this;
}

void CLinkLabel::FillBackground(HDC dc, const RECT& client)
{
    if (m_bGradient)
        DrawGradient(dc, client, m_crBack, m_crGradientEnd, kGradientBands);
    else
        FillRect(dc, &client, m_hBackBrush.GetSafeHandle() ? m_hBackBrush : m_hDefaultBrush);
}

UINT CLinkLabel::TextFormat(const char* text) const
{
    DWORD style = GetStyle();
    UINT format;
    switch (style & 0x1F) {
    case SS_CENTER: format = DT_CENTER | DT_WORDBREAK; break;
    case SS_RIGHT: format = DT_RIGHT | DT_WORDBREAK; break;
    case SS_LEFTNOWORDWRAP: format = DT_LEFT; break;
    default: format = DT_WORDBREAK; break;
    }
    if (style & SS_CENTERIMAGE)
        format = strstr(text, "\r\n") ? DT_CENTER : DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    return format;
}

void CLinkLabel::DrawText(HDC dc, const RECT& client, const char* text, UINT format)
{
    if (m_bRotated) {
        UINT alignment = SetTextAlign(dc, TA_BASELINE);
        POINT origin;
        GetViewportOrgEx(dc, &origin);
        SetViewportOrgEx(dc, origin.x + (client.right - client.left) / 2, origin.y + (client.bottom - client.top) / 2,
                         nullptr);
        TextOutA(dc, 0, 0, text, static_cast<int>(strlen(text)));
        SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
        SetTextAlign(dc, alignment);
        return;
    }
    RECT area = client;
    ::DrawTextA(dc, text, -1, &area, format);
    if (m_b3DText) {
        ::SetTextColor(dc, m_crHighlight);
        int offset = m_b3DDownRight ? 1 : -1;
        OffsetRect(&area, offset, offset);
        ::DrawTextA(dc, text, -1, &area, format);
    }
}

void CLinkLabel::Draw(HDC target)
{
    RECT client;
    GetClientRect(&client);
    CString text = GetWindowText();
    int width = client.right - client.left;
    int height = client.bottom - client.top;

    // Everything is drawn off the screen and copied in one go, unless transparent.
    CMemoryDC memory(target);
    CBitmap bitmap;
    if (!m_bTransparent)
        bitmap.CreateCompatibleBitmap(target, width, height);
    HDC dc = m_bTransparent || bitmap.GetSafeHandle() == nullptr ? target : static_cast<HDC>(memory);
    {
        CSelectGuard selectBitmap(dc, dc == target ? nullptr : static_cast<HGDIOBJ>(bitmap));
        int oldMode = SetBkMode(dc, TRANSPARENT);
        COLORREF oldColor = ::SetTextColor(dc, m_crText);
        CSelectGuard selectFont(dc, m_font.GetSafeHandle());
        if (!m_bTransparent)
            FillBackground(dc, client);
        // Text flashing: in phase 0 the text takes the background's colour.
        if (m_nFlashKind == 1 && !m_bFlashPhase) {
            COLORREF hidden = m_bGradient ? m_crBack
                                          : CBrush::ColorOf(m_hBackBrush.GetSafeHandle() ? m_hBackBrush : m_hDefaultBrush);
            ::SetTextColor(dc, hidden);
        }
        DrawText(dc, client, text, TextFormat(text));
        SetBkMode(dc, oldMode);
        ::SetTextColor(dc, oldColor);
        if (dc != target)
            BitBlt(target, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    }
}

void CLinkLabel::OnFlashTick()
{
    m_bFlashPhase = !m_bFlashPhase;
    Repaint();
}

void CLinkLabel::OnClick()
{
    if (m_bNotifyParent) {
        NMHDR header = {};
        header.hwndFrom = m_hWnd;
        header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
        header.code = kNotifyClicked;
        ::SendMessageA(GetParent(), WM_NOTIFY, static_cast<WPARAM>(GetDlgCtrlID()), reinterpret_cast<LPARAM>(&header));
    } else {
        (void)ShellExecuteA(nullptr, "open", GetWindowText(), nullptr, nullptr, SW_SHOWNORMAL);
    }
}

BOOL CLinkLabel::OnSetCursor()
{
    if (m_hLinkCursor == nullptr)
        return FALSE;
    ::SetCursor(m_hLinkCursor);
    return TRUE;
}

void CLinkLabel::OnSysColorChange()
{
    m_hDefaultBrush.CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    Repaint();
}

LRESULT CLinkLabel::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        CPaintDC paint(m_hWnd);
        Draw(paint);
        return 0;
    }
    case WM_PRINTCLIENT:
        Draw(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_TIMER:
        OnFlashTick();
        break;
    case WM_LBUTTONDOWN:
        OnClick();
        break;
    case WM_SETCURSOR:
        if (OnSetCursor())
            return TRUE;
        break;
    case WM_SYSCOLORCHANGE:
        OnSysColorChange();
        break;
    default:
        break;
    }
    return CStatic::WindowProc(message, wParam, lParam);
}

void DrawGradient(HDC dc, const RECT& rect, COLORREF startColor, COLORREF endColor, int largestBandCount)
{
    int width = rect.right - rect.left;
    int bands = largestBandCount < width ? largestBandCount : width;
    if (bands <= 0)
        return;
    int divisor = bands > 1 ? bands : 1;
    int start[3] = {GetRValue(startColor), GetGValue(startColor), GetBValue(startColor)};
    int end[3] = {GetRValue(endColor), GetGValue(endColor), GetBValue(endColor)};
    int step[3];
    int value[3];
    for (int channel = 0; channel < 3; ++channel) {
        step[channel] = ((end[channel] - start[channel]) * 256) / divisor;
        value[channel] = start[channel] * 256;
    }
    int bandWidth = width / divisor;
    CSelectGuard nullPen(dc, GetStockObject(NULL_PEN));
    int left = rect.left;
    for (int band = 0; band < bands; ++band) {
        int right = band == bands - 1 ? rect.right : left + bandWidth;
        CBrush brush;
        brush.CreateSolidBrush(RGB(value[0] / 256, value[1] / 256, value[2] / 256));
        {
            CSelectGuard selectBrush(dc, brush);
            // A rectangle drawn without a pen leaves its right column and bottom row out.
            Rectangle(dc, left, rect.top, right + 1, rect.bottom + 1);
        }
        left = right;
        for (int channel = 0; channel < 3; ++channel)
            value[channel] += step[channel];
    }
}
