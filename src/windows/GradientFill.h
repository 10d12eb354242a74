#pragma once
// The background gradient of the main setup window: the rows of a rectangle grouped
// into runs of equal colour, one solid brush per run, so that a blue-to-black
// gradient needs at most 256 brushes however tall the window is.
#include <windows.h>

// The platform has a drawing call of the same name as the record; the namespace keeps
// them apart.
namespace backdrop {

struct GradientRun {
    int first;  // first row, relative to the top of the filled rectangle
    int end;    // row where the next run starts
};

struct GradientFill {
    HBRUSH* phBrushes;
    GradientRun* pRuns;
    RECT rcFill;
    COLORREF crTop;
    COLORREF crBottom;
    int nRuns;
    int nCapacity;
    int nHeight;
};

// A record with room for as many runs as the screen has rows; null when out of memory.
GradientFill* CreateGradient();
BOOL SetGradientColors(COLORREF top, COLORREF bottom, GradientFill* gradient);
// Recomputes the runs for rect.
BOOL BuildGradient(const RECT& rect, GradientFill* gradient);
// Fills every run into dc.
BOOL PaintGradient(HDC dc, GradientFill* gradient);
// Deletes the brushes of the runs in use.
BOOL ClearGradient(GradientFill* gradient);
// Clears and releases the record (nothing for null).
BOOL DestroyGradient(GradientFill* gradient);
// Appends a run; a record that is full keeps the runs it has.
void AddGradientRun(COLORREF color, int first, int end, GradientFill* gradient);
// Channel value of row r of h rows between top value a and bottom value b.
int InterpolateChannel(int a, int b, int r, int h);

}  // namespace backdrop
