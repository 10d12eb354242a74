#include "windows/GradientFill.h"

#include <cstdlib>

namespace backdrop {

namespace {

COLORREF RowColor(const GradientFill& gradient, int row)
{
    return RGB(InterpolateChannel(GetRValue(gradient.crTop), GetRValue(gradient.crBottom), row, gradient.nHeight),
               InterpolateChannel(GetGValue(gradient.crTop), GetGValue(gradient.crBottom), row, gradient.nHeight),
               InterpolateChannel(GetBValue(gradient.crTop), GetBValue(gradient.crBottom), row, gradient.nHeight));
}

}  // namespace

GradientFill* CreateGradient()
{
    auto* gradient = static_cast<GradientFill*>(calloc(1, sizeof(GradientFill)));
    if (gradient == nullptr)
        return nullptr;
    int capacity = GetSystemMetrics(SM_CYSCREEN);
    gradient->nCapacity = capacity > 0 ? capacity : 1;
    gradient->phBrushes = static_cast<HBRUSH*>(calloc(static_cast<size_t>(gradient->nCapacity), sizeof(HBRUSH)));
    gradient->pRuns = static_cast<GradientRun*>(calloc(static_cast<size_t>(gradient->nCapacity), sizeof(GradientRun)));
    if (gradient->phBrushes == nullptr || gradient->pRuns == nullptr) {
        free(gradient->phBrushes);
        free(gradient->pRuns);
        free(gradient);
        return nullptr;
    }
    return gradient;
}

BOOL SetGradientColors(COLORREF top, COLORREF bottom, GradientFill* gradient)
{
    if (gradient == nullptr)
        return FALSE;
    gradient->crTop = top;
    gradient->crBottom = bottom;
    return TRUE;
}

int InterpolateChannel(int a, int b, int r, int h)
{
    if (a == b || h == 0)
        return a;
    return static_cast<int>(a + static_cast<double>(b - a) * r / h);
}

void AddGradientRun(COLORREF color, int first, int end, GradientFill* gradient)
{
    // The fixed colours never give more runs than rows of the screen; a window taller
    // than the screen was when the record was made keeps the runs that fit.
    if (gradient->nRuns >= gradient->nCapacity)
        return;
    gradient->phBrushes[gradient->nRuns] = CreateSolidBrush(color);
    gradient->pRuns[gradient->nRuns] = {first, end};
    ++gradient->nRuns;
}

BOOL BuildGradient(const RECT& rect, GradientFill* gradient)
{
    if (gradient == nullptr)
        return FALSE;
    ClearGradient(gradient);
    gradient->rcFill = rect;
    gradient->nHeight = rect.bottom - rect.top;
    int runStart = 0;
    for (int row = 1; row <= gradient->nHeight; ++row) {
        if (row == gradient->nHeight || RowColor(*gradient, row) != RowColor(*gradient, runStart)) {
            AddGradientRun(RowColor(*gradient, runStart), runStart, row, gradient);
            runStart = row;
        }
    }
    return TRUE;
}

BOOL PaintGradient(HDC dc, GradientFill* gradient)
{
    if (gradient == nullptr || gradient->nHeight <= 0)
        return FALSE;
    for (int i = 0; i < gradient->nRuns; ++i) {
        // Each fill reaches one row into the next run, which paints over it.
        RECT band = {gradient->rcFill.left, gradient->rcFill.top + gradient->pRuns[i].first, gradient->rcFill.right,
                     gradient->rcFill.top + gradient->pRuns[i].end + 1};
        FillRect(dc, &band, gradient->phBrushes[i]);
    }
    return TRUE;
}

BOOL ClearGradient(GradientFill* gradient)
{
    if (gradient == nullptr)
        return FALSE;
    for (int i = 0; i < gradient->nRuns; ++i) {
        if (gradient->phBrushes[i] != nullptr)
            DeleteObject(gradient->phBrushes[i]);
        gradient->phBrushes[i] = nullptr;
    }
    gradient->nRuns = 0;
    return TRUE;
}

BOOL DestroyGradient(GradientFill* gradient)
{
    if (gradient == nullptr)
        return FALSE;
    ClearGradient(gradient);
    free(gradient->phBrushes);
    free(gradient->pRuns);
    free(gradient);
    return TRUE;
}

}  // namespace backdrop
