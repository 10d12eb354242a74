// The main window's gradient: its runs, and its pixels on the screen.
#include <windows.h>

#include "SessionFixture.h"
#include "entry/SetupSession.h"
#include "framework/CBrush.h"
#include "windows/GradientFill.h"

namespace {

using backdrop::BuildGradient;
using backdrop::CreateGradient;
using backdrop::DestroyGradient;
using backdrop::InterpolateChannel;
using backdrop::PaintGradient;
using backdrop::SetGradientColors;

class GradientRecord : public ::testing::Test {
protected:
    GradientRecord() : m_gradient(CreateGradient()) { SetGradientColors(RGB(0, 0, 255), RGB(0, 0, 0), m_gradient); }
    ~GradientRecord() override { DestroyGradient(m_gradient); }
    backdrop::GradientFill* m_gradient;
};

TEST_F(GradientRecord, A768RowAreaHas256RunsFromPureBlueToBlack)
{
    ASSERT_NE(m_gradient, nullptr);
    RECT area = {0, 0, 1024, 768};
    ASSERT_TRUE(BuildGradient(area, m_gradient));
    ASSERT_EQ(m_gradient->nRuns, 256);
    EXPECT_EQ(CBrush::ColorOf(m_gradient->phBrushes[0]), RGB(0, 0, 255));
    EXPECT_EQ(CBrush::ColorOf(m_gradient->phBrushes[255]), RGB(0, 0, 0));
    EXPECT_EQ(m_gradient->pRuns[0].first, 0);
    EXPECT_EQ(m_gradient->pRuns[255].end, 768);
    for (int i = 1; i < 256; ++i) {
        EXPECT_EQ(m_gradient->pRuns[i].first, m_gradient->pRuns[i - 1].end) << "run " << i;
        EXPECT_EQ(GetBValue(CBrush::ColorOf(m_gradient->phBrushes[i])), 255 - i) << "run " << i;
    }
}

TEST_F(GradientRecord, AnAreaWithoutRowsHasNoRunsAndPaintsNothing)
{
    RECT empty = {0, 0, 1024, 0};
    ASSERT_TRUE(BuildGradient(empty, m_gradient));
    EXPECT_EQ(m_gradient->nRuns, 0);
    HDC screen = GetDC(nullptr);
    EXPECT_FALSE(PaintGradient(screen, m_gradient));
    ReleaseDC(nullptr, screen);
}

TEST_F(GradientRecord, RebuildingReleasesTheBrushesOfTheLastBuild)
{
    RECT area = {0, 0, 10, 300};
    BuildGradient(area, m_gradient);
    HBRUSH first = m_gradient->phBrushes[0];
    ASSERT_EQ(GetObjectType(first), static_cast<DWORD>(OBJ_BRUSH));
    BuildGradient(area, m_gradient);
    EXPECT_EQ(GetObjectType(first), 0u) << "the brush of the last build is deleted";
}

TEST(GradientOperations, ANullRecordIsRefusedEverywhere)
{
    RECT area = {0, 0, 10, 10};
    EXPECT_FALSE(SetGradientColors(0, 0, nullptr));
    EXPECT_FALSE(BuildGradient(area, nullptr));
    EXPECT_FALSE(PaintGradient(nullptr, nullptr));
    EXPECT_FALSE(DestroyGradient(nullptr));
}

TEST(GradientOperations, InterpolateChannelTruncatesTowardZero)
{
    struct Case {
        int a, b, r, h, expected;
    };
    const Case cases[] = {{255, 0, 0, 768, 255}, {255, 0, 1, 768, 254}, {255, 0, 767, 768, 0},
                          {0, 255, 767, 768, 254}, {7, 7, 3, 10, 7},     {255, 0, 3, 4, 63}};
    for (const Case& c : cases)
        EXPECT_EQ(InterpolateChannel(c.a, c.b, c.r, c.h), c.expected) << c.a << " " << c.b << " " << c.r << "/" << c.h;
}

class MainWindowPixels : public SessionFixture {
protected:
    MainWindowPixels() { WriteCompleteMedia(); }
};

TEST_F(MainWindowPixels, TheScreenShowsBlueAtTheTopBlackAtTheBottomAndTheWhiteTitle)
{
    COLORREF top = 0, middle = 0, bottom = 0;
    int whiteInTitle = 0;
    int clientHeight = 0;
    int exitCode = RunSession([&](SetupRobot& robot) {
        if (!robot.WaitForPage(SetupRobot::kWelcome))
            return false;
        Sleep(300);
        HWND main = robot.MainWindow();
        RECT client;
        GetClientRect(main, &client);
        POINT origin = {0, 0};
        ClientToScreen(main, &origin);
        clientHeight = client.bottom;
        HDC screen = GetDC(nullptr);
        // Beside the frame, which sits in the middle of the screen.
        int x = origin.x + 5;
        top = GetPixel(screen, x, origin.y + 100);
        middle = GetPixel(screen, x, origin.y + client.bottom / 2);
        bottom = GetPixel(screen, x, origin.y + client.bottom - 1);
        for (int y = origin.y + 10; y < origin.y + 36; ++y) {
            for (int dx = 10; dx < 200; ++dx)
                whiteInTitle += GetPixel(screen, origin.x + dx, y) == RGB(255, 255, 255);
        }
        ReleaseDC(nullptr, screen);
        return robot.CancelAndAnswer(IDCANCEL);
    });
    EXPECT_EQ(exitCode, kExitAbandoned);
    ASSERT_GT(clientHeight, 300);
    EXPECT_EQ(top, RGB(0, 0, InterpolateChannel(255, 0, 100, clientHeight)));
    EXPECT_EQ(middle, RGB(0, 0, InterpolateChannel(255, 0, clientHeight / 2, clientHeight)));
    EXPECT_EQ(bottom, RGB(0, 0, 0));
    EXPECT_GT(whiteInTitle, 100) << "the title is drawn in white";
}

}  // namespace
