// The label control drawn for real: rendered through WM_PRINTCLIENT into a bitmap and
// checked in pixels, with its font fields and its flash and link behaviour.
#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "controls/CLinkLabel.h"

namespace {

// A top-level window holding one static control of the given size and style.
class LabelHost {
public:
    LabelHost(int width, int height, DWORD style, const char* text, HFONT font = nullptr)
    {
        static ATOM hostClass = Register();
        (void)hostClass;
        m_host = CreateWindowExA(0, "LinkLabelTestHost", "host", WS_POPUP | WS_VISIBLE, 0, 0, width + 40,
                                 height + 40, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        m_static = CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | style, 10, 10, width, height, m_host,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(1234)), GetModuleHandleA(nullptr),
                                   nullptr);
        SendMessageA(m_static, WM_SETFONT, reinterpret_cast<WPARAM>(font ? font : GetStockObject(DEFAULT_GUI_FONT)),
                     FALSE);
        EXPECT_TRUE(label.SubclassWindow(m_static));
    }
    ~LabelHost()
    {
        label.DestroyWindow();
        DestroyWindow(m_host);
    }

    // The label's pixels as it draws them, as COLORREF values, row by row.
    std::vector<COLORREF> Render(COLORREF underneath = RGB(0, 255, 0))
    {
        RECT client;
        GetClientRect(m_static, &client);
        m_width = client.right;
        m_height = client.bottom;
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = m_width;
        info.bmiHeader.biHeight = -m_height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        ReleaseDC(nullptr, screen);
        HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = SelectObject(dc, bitmap);
        HBRUSH fill = CreateSolidBrush(underneath);
        FillRect(dc, &client, fill);
        DeleteObject(fill);
        SendMessageA(m_static, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        GdiFlush();
        std::vector<COLORREF> pixels(static_cast<size_t>(m_width * m_height));
        const DWORD* raw = static_cast<const DWORD*>(bits);
        for (size_t i = 0; i < pixels.size(); ++i)
            pixels[i] = RGB((raw[i] >> 16) & 0xFF, (raw[i] >> 8) & 0xFF, raw[i] & 0xFF);
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
        return pixels;
    }

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    HWND Host() const { return m_host; }
    HWND Static() const { return m_static; }

    static std::vector<NMHDR>& Notifications()
    {
        static std::vector<NMHDR> received;
        return received;
    }

    CLinkLabel label;

private:
    static ATOM Register()
    {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
            if (message == WM_NOTIFY)
                Notifications().push_back(*reinterpret_cast<NMHDR*>(lParam));
            return DefWindowProcA(window, message, wParam, lParam);
        };
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "LinkLabelTestHost";
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        return RegisterClassA(&windowClass);
    }

    HWND m_host = nullptr;
    HWND m_static = nullptr;
    int m_width = 0;
    int m_height = 0;
};

std::map<COLORREF, int> Histogram(const std::vector<COLORREF>& pixels)
{
    std::map<COLORREF, int> counts;
    for (COLORREF pixel : pixels)
        ++counts[pixel];
    return counts;
}

int Count(const std::vector<COLORREF>& pixels, COLORREF color)
{
    int n = 0;
    for (COLORREF pixel : pixels)
        n += pixel == color;
    return n;
}

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);

TEST(LinkLabelPainting, TextInItsColourOnTheBackgroundColour)
{
    LabelHost host(200, 30, SS_LEFT, "Wheel mouse");
    host.label.SetBackColor(kWhite).SetTextColor(kRed);
    std::vector<COLORREF> pixels = host.Render();
    int red = Count(pixels, kRed);
    int white = Count(pixels, kWhite);
    EXPECT_GT(red, 40) << "the text is drawn in its colour";
    EXPECT_GT(white, static_cast<int>(pixels.size()) / 2) << "the background fills the rest";
    EXPECT_EQ(Count(pixels, kGreen), 0) << "nothing of what lies underneath shows through";
    for (const auto& [color, count] : Histogram(pixels)) {
        bool betweenRedAndWhite = GetRValue(color) == 255 && GetGValue(color) == GetBValue(color);
        EXPECT_TRUE(betweenRedAndWhite) << std::hex << color << " appears " << std::dec << count << " times";
    }
}

TEST(LinkLabelPainting, WithoutAColourTheBackgroundIsTheButtonFace)
{
    LabelHost host(100, 20, SS_LEFT, "");
    std::vector<COLORREF> pixels = host.Render();
    EXPECT_EQ(Count(pixels, GetSysColor(COLOR_BTNFACE)), static_cast<int>(pixels.size()));
}

// The runs of equal colour along the label's middle row, as (colour, width) pairs.
std::vector<std::pair<COLORREF, int>> Bands(const std::vector<COLORREF>& pixels, int width, int row)
{
    std::vector<std::pair<COLORREF, int>> bands;
    for (int x = 0; x < width; ++x) {
        COLORREF pixel = pixels[static_cast<size_t>(row * width + x)];
        if (bands.empty() || bands.back().first != pixel)
            bands.push_back({pixel, 0});
        ++bands.back().second;
    }
    return bands;
}

TEST(LinkLabelPainting, A250PixelGradientHas99BandsOf2AndALastOf52)
{
    LabelHost host(250, 20, SS_LEFT, "");
    host.label.SetBackColor(RGB(0, 0, 0), RGB(255, 0, 0), TRUE);
    std::vector<COLORREF> pixels = host.Render();
    for (int row : {0, host.Height() / 2, host.Height() - 1}) {
        std::vector<std::pair<COLORREF, int>> bands = Bands(pixels, host.Width(), row);
        ASSERT_EQ(bands.size(), 100u) << "row " << row;
        for (size_t i = 0; i < 99; ++i)
            EXPECT_EQ(bands[i].second, 2) << "band " << i << " of row " << row;
        EXPECT_EQ(bands[99].second, 52) << "the last band reaches the right edge";
        EXPECT_EQ(bands[0].first, RGB(0, 0, 0)) << "starts at the start colour";
        EXPECT_EQ(bands[1].first, RGB(2, 0, 0)) << "the red step is 255 * 256 / 100 of 256ths";
    }
}

TEST(LinkLabelPainting, ANarrowGradientHasOneBandPerPixelColumn)
{
    LabelHost host(60, 10, SS_LEFT, "");
    host.label.SetBackColor(RGB(0, 0, 255), RGB(0, 255, 0), TRUE);
    std::vector<COLORREF> pixels = host.Render();
    std::vector<std::pair<COLORREF, int>> bands = Bands(pixels, host.Width(), 5);
    ASSERT_EQ(bands.size(), 60u);
    EXPECT_EQ(bands.front().first, RGB(0, 0, 255));
}

TEST(LinkLabelPainting, TransparentDrawsOnlyTheText)
{
    LabelHost host(200, 30, SS_LEFT, "Wheel mouse");
    host.label.SetTextColor(kRed).SetTransparent(TRUE);
    EXPECT_TRUE(GetWindowLongA(host.Static(), GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    std::vector<COLORREF> pixels = host.Render(kGreen);
    EXPECT_GT(Count(pixels, kGreen), static_cast<int>(pixels.size()) / 2) << "what lies underneath shows through";
    EXPECT_GT(Count(pixels, kRed), 20);
    EXPECT_EQ(Count(pixels, GetSysColor(COLOR_BTNFACE)), 0);
}

TEST(LinkLabelPainting, ThreeDTextDrawsAnOffsetCopyInTheHighlightColour)
{
    LabelHost host(200, 30, SS_LEFT, "Wheel mouse");
    host.label.SetBackColor(kWhite).SetTextColor(kBlack).SetHighlightColor(kRed);
    int plainRed = Count(host.Render(), kRed);
    host.label.Set3DText(TRUE, TRUE);
    std::vector<COLORREF> pixels = host.Render();
    EXPECT_EQ(plainRed, 0);
    EXPECT_GT(Count(pixels, kRed), 20) << "the copy on top";
    EXPECT_GT(Count(pixels, kBlack), 0) << "the original shows at the offset edge";
}

// The number of rows that hold text-coloured pixels.
int RowsWithColor(const std::vector<COLORREF>& pixels, int width, COLORREF color)
{
    int rows = 0;
    for (size_t row = 0; row * static_cast<size_t>(width) < pixels.size(); ++row) {
        bool found = false;
        for (int x = 0; x < width; ++x)
            found = found || pixels[row * static_cast<size_t>(width) + static_cast<size_t>(x)] == color;
        rows += found;
    }
    return rows;
}

TEST(LinkLabelPainting, TheStaticStyleChoosesWrappingOrOneLine)
{
    const char* text = "A long title that needs more room than one line of the label";
    LabelHost wrapped(120, 60, SS_LEFT, text);
    wrapped.label.SetBackColor(kWhite).SetTextColor(kBlack);
    LabelHost oneLine(120, 60, SS_LEFTNOWORDWRAP, text);
    oneLine.label.SetBackColor(kWhite).SetTextColor(kBlack);
    int wrappedRows = RowsWithColor(wrapped.Render(), 120, kBlack);
    int oneLineRows = RowsWithColor(oneLine.Render(), 120, kBlack);
    EXPECT_GT(wrappedRows, oneLineRows + 5) << "SS_LEFT wraps onto more lines; SS_LEFTNOWORDWRAP cuts at the edge";
    EXPECT_GT(oneLineRows, 0);
}

TEST(LinkLabelFlashing, TextFlashingHidesTheTextInPhaseZero)
{
    LabelHost host(200, 30, SS_LEFT, "Wheel mouse");
    host.label.SetBackColor(kWhite).SetTextColor(kBlack);
    host.label.FlashText(TRUE);
    EXPECT_EQ(host.label.FlashKind(), 1);
    EXPECT_FALSE(host.label.FlashPhase());
    std::vector<COLORREF> hidden = host.Render();
    EXPECT_EQ(Count(hidden, kBlack), 0) << "phase 0: the text takes the background's colour";
    EXPECT_EQ(Count(hidden, kWhite), static_cast<int>(hidden.size()));

    // The real timer: 500 ms a phase.
    DWORD start = GetTickCount();
    while (!host.label.FlashPhase() && GetTickCount() - start < 2000) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        Sleep(5);
    }
    DWORD elapsed = GetTickCount() - start;
    ASSERT_TRUE(host.label.FlashPhase());
    EXPECT_GE(elapsed, 400u);
    EXPECT_LE(elapsed, 1200u);
    EXPECT_GT(Count(host.Render(), kBlack), 20) << "phase 1 shows the text";

    host.label.FlashText(FALSE);
    EXPECT_EQ(host.label.FlashKind(), 0);
    EXPECT_GT(Count(host.Render(), kBlack), 20);
}

TEST(LinkLabelFont, SettersChangeSingleFieldsOfTheDialogsFont)
{
    LOGFONTA base = {};
    base.lfHeight = -11;
    base.lfWeight = 700;
    lstrcpyA(base.lfFaceName, "Liberation Serif");
    HFONT boldFont = CreateFontIndirectA(&base);
    {
        LabelHost host(200, 30, SS_LEFT, "x", boldFont);
        EXPECT_EQ(host.label.LogFont().lfWeight, 700) << "the label starts in its dialog's font";
        EXPECT_STREQ(host.label.LogFont().lfFaceName, "Liberation Serif");

        host.label.SetBold(FALSE);
        EXPECT_EQ(host.label.LogFont().lfWeight, 400) << "not bold is 400 whatever the dialog font had";
        host.label.SetBold(TRUE);
        EXPECT_EQ(host.label.LogFont().lfWeight, 700);
        host.label.SetItalic(TRUE);
        EXPECT_EQ(host.label.LogFont().lfItalic, 1);

        HDC screen = GetDC(nullptr);
        int dpi = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        host.label.SetPointSize(15);
        EXPECT_EQ(host.label.LogFont().lfHeight, -(dpi * 150 / 720)) << "15 points at " << dpi << " dpi";
        EXPECT_STREQ(host.label.LogFont().lfFaceName, "Liberation Serif") << "the face is kept";
        EXPECT_EQ(host.label.LogFont().lfWeight, 700) << "the weight is kept";
        EXPECT_EQ(host.label.LogFont().lfItalic, 1) << "the slant is kept";
        host.label.SetPointSize(9);
        EXPECT_EQ(host.label.LogFont().lfHeight, -(dpi * 90 / 720));

        host.label.SetUnderline(TRUE).SetRotation(90);
        EXPECT_EQ(host.label.LogFont().lfUnderline, 1);
        EXPECT_EQ(host.label.LogFont().lfEscapement, 900);
        EXPECT_EQ(host.label.LogFont().lfOrientation, 900);
        host.label.SetFaceName("Liberation Sans", ANSI_CHARSET);
        EXPECT_STREQ(host.label.LogFont().lfFaceName, "Liberation Sans");
        EXPECT_EQ(host.label.LogFont().lfCharSet, ANSI_CHARSET);
    }
    DeleteObject(boldFont);
}

TEST(LinkLabelLink, AClickNotifiesTheParentWhenAskedTo)
{
    LabelHost host(100, 20, SS_LEFT, "http://example.invalid/");
    EXPECT_FALSE(GetWindowLongA(host.Static(), GWL_STYLE) & SS_NOTIFY);
    host.label.SetLink(TRUE, TRUE);
    EXPECT_TRUE(GetWindowLongA(host.Static(), GWL_STYLE) & SS_NOTIFY);
    LabelHost::Notifications().clear();
    SendMessageA(host.Static(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ASSERT_EQ(LabelHost::Notifications().size(), 1u);
    const NMHDR& header = LabelHost::Notifications()[0];
    EXPECT_EQ(header.code, 0x8200u);
    EXPECT_EQ(header.idFrom, 1234u);
    EXPECT_EQ(header.hwndFrom, host.Static());
    host.label.SetLink(FALSE, FALSE);
    EXPECT_FALSE(GetWindowLongA(host.Static(), GWL_STYLE) & SS_NOTIFY);
}

TEST(LinkLabelLink, TheLinkCursorIsShownOverTheLabel)
{
    LabelHost host(100, 20, SS_LEFT, "x");
    HCURSOR hand = LoadCursorA(nullptr, IDC_CROSS);
    EXPECT_EQ(SendMessageA(host.Static(), WM_SETCURSOR, reinterpret_cast<WPARAM>(host.Static()), HTCLIENT), 0)
        << "without a cursor of its own the label leaves the choice to the system";
    host.label.SetLinkCursor(hand);
    EXPECT_EQ(SendMessageA(host.Static(), WM_SETCURSOR, reinterpret_cast<WPARAM>(host.Static()), HTCLIENT), TRUE);
    EXPECT_EQ(GetCursor(), hand);
}

TEST(LinkLabelFrame, EdgeAndBorderChangeTheFrame)
{
    LabelHost host(100, 20, SS_LEFT, "x");
    host.label.SetStaticEdge(TRUE).SetBorder(TRUE);
    EXPECT_TRUE(GetWindowLongA(host.Static(), GWL_EXSTYLE) & WS_EX_STATICEDGE);
    EXPECT_TRUE(GetWindowLongA(host.Static(), GWL_STYLE) & WS_BORDER);
    RECT client;
    GetClientRect(host.Static(), &client);
    EXPECT_LT(client.right, 100) << "the frame takes room from the client area";
    host.label.SetStaticEdge(FALSE).SetBorder(FALSE);
    GetClientRect(host.Static(), &client);
    EXPECT_EQ(client.right, 100);
}

}  // namespace
