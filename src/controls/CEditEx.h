#pragma once
// A single-line edit control that paints itself in its own text colour, background
// colour and font; everything else is the standard edit control's.
#include "framework/CBrush.h"
#include "framework/CEdit.h"
#include "framework/CFont.h"

class CEditEx : public CEdit {
public:
    CEditEx();
    ~CEditEx() override;

    // Both return the colour set before.
    COLORREF SetBackgroundColor(COLORREF color);
    COLORREF SetForegroundColor(COLORREF color);
    // Replaces the control's font with one of these fields (every other field zero).
    void SetTextFont(int height, int weight, BYTE pitchAndFamily, const char* faceName);

    COLORREF BackgroundColor() const { return m_crBackground; }
    COLORREF ForegroundColor() const { return m_crForeground; }
    HFONT TextFont() const { return m_pFont ? m_pFont->GetSafeHandle() : nullptr; }

protected:
    virtual void CreateBackBrush();
    // The parent's WM_CTLCOLOREDIT, reflected here.
    HBRUSH CtlColor(HDC dc);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    CBrush m_brBackground;
    COLORREF m_crBackground;
    COLORREF m_crForeground;
    CFont* m_pFont;
};
