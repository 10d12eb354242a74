#pragma once
// A static text that draws itself: in a colour, font, weight, slant and size its owner
// sets at run time, on a solid, gradient or transparent background. It can flash its
// text, draw a raised or sunken copy of it, draw it rotated, and act as a link that
// opens its own text with the shell or notifies its parent when clicked. Every setter
// returns the label, so that calls can be chained.
#include "framework/CBrush.h"
#include "framework/CFont.h"
#include "framework/CStatic.h"

class CLinkLabel : public CStatic {
public:
    static constexpr UINT kNotifyClicked = 0x8200;  // WM_NOTIFY code of a click
    static constexpr UINT_PTR kFlashTimer = 1;
    static constexpr UINT kFlashPeriod = 500;
    static constexpr int kGradientBands = 100;

    CLinkLabel();
    ~CLinkLabel() override;

    virtual CLinkLabel& SetBackColor(COLORREF color, COLORREF endColor = 0, BOOL gradient = FALSE);
    virtual CLinkLabel& SetTextColor(COLORREF color);
    virtual CLinkLabel& SetText(const char* text);
    virtual CLinkLabel& SetBold(BOOL bold);
    virtual CLinkLabel& SetFaceName(const char* face, BYTE charSet = DEFAULT_CHARSET);
    virtual CLinkLabel& SetUnderline(BOOL underline);
    virtual CLinkLabel& SetItalic(BOOL italic);
    virtual CLinkLabel& SetPointSize(int points);
    virtual CLinkLabel& SetStaticEdge(BOOL edge);
    virtual CLinkLabel& SetBorder(BOOL border);
    virtual CLinkLabel& SetTransparent(BOOL transparent);
    virtual CLinkLabel& FlashText(BOOL flash);
    virtual CLinkLabel& FlashBackground(BOOL flash);
    virtual CLinkLabel& SetLink(BOOL link, BOOL notifyParent);
    virtual CLinkLabel& SetLinkCursor(HCURSOR cursor);
    virtual CLinkLabel& Set3DText(BOOL on, BOOL downRight = TRUE);
    virtual CLinkLabel& SetRotation(int degrees, BOOL rotated = TRUE);
    virtual CLinkLabel& SetHighlightColor(COLORREF color);

    // Draws the label as it appears on the screen into dc (the paint routine of both
    // WM_PAINT and WM_PRINTCLIENT).
    void Draw(HDC dc);

    const LOGFONTA& LogFont() const { return m_logFont; }
    COLORREF TextColor() const { return m_crText; }
    BOOL FlashPhase() const { return m_bFlashPhase; }
    int FlashKind() const { return m_nFlashKind; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    void PreSubclassWindow() override;

private:
    void RecreateFont();
    void Repaint();
    void StopFlashTimer();
    void FillBackground(HDC dc, const RECT& client);
    UINT TextFormat(const char* text) const;
    void DrawText(HDC dc, const RECT& client, const char* text, UINT format);
    void OnFlashTick();
    void OnClick();
    BOOL OnSetCursor();
    void OnSysColorChange();

    COLORREF m_crText;
    COLORREF m_crHighlight;
    CBrush m_hDefaultBrush;
    CBrush m_hBackBrush;
    LOGFONTA m_logFont;
    CFont m_font;
    BOOL m_bFlashPhase;
    BOOL m_bTimerStarted;
    BOOL m_bTransparent;
    BOOL m_b3DText;
    BOOL m_bNotifyParent;
    BOOL m_bRotated;
    int m_nFlashKind;
    HCURSOR m_hLinkCursor;  // the caller's: never destroyed here
    BOOL m_b3DDownRight;
    BOOL m_bGradient;
    COLORREF m_crGradientEnd;
    COLORREF m_crBack;
};

// Fills rect with bands from startColor at the left to endColor at the right: at most
// largestBandCount bands, one per pixel column when the rectangle is narrower.
void DrawGradient(HDC dc, const RECT& rect, COLORREF startColor, COLORREF endColor, int largestBandCount);
