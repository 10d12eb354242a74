// The progress window for real: its steps run against a media folder of the prefix
// with the worker on its own thread, watched from the interface thread through a
// message hook and driven by a robot thread the way an impatient user would.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "MediaFixture.h"
#include "ProductMedia.h"
#include "Robot.h"
#include "ScratchFolder.h"
#include "TestRegistry.h"
#include "entry/SetupSession.h"
#include "entry/SetupState.h"
#include "framework/BoundedString.h"
#include "install/CInstallProgressDlg.h"
#include "install/UninstallLog.h"
#include "install/UninstallLogReader.h"
#include "resources/resource.h"

namespace {

// The status line as it stands at one moment.
struct StatusLine {
    bool visible = false;
    LONG weight = 0;
    LONG height = 0;
    COLORREF color = 0;
    int bluePixels = 0;
};

// What the interface thread saw, recorded by the hook as the window's caption changed.
struct CaptionChange {
    std::string caption;
    DWORD time;
    StatusLine statusBefore;  // the status line just before the caption changed
    bool animationVisible;
    bool progressBarVisible;
};

std::vector<CaptionChange> g_captions;

int BluePixels(HWND label)
{
    RECT client;
    GetClientRect(label, &client);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageA(label, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    GdiFlush();
    int blue = 0;
    const DWORD* pixels = static_cast<const DWORD*>(bits);
    for (LONG i = 0; bits != nullptr && i < client.right * client.bottom; ++i)
        blue += (pixels[i] & 0xFFFFFF) == 0x0000FF;
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return blue;
}

StatusLine ReadStatusLine(HWND dialog)
{
    StatusLine status;
    auto* window = static_cast<CInstallProgressDlg*>(CWnd::FromHandlePermanent(dialog));
    if (window == nullptr)
        return status;
    HWND label = GetDlgItem(dialog, IDC_PROGRESS_TEXT);
    status.visible = IsWindowVisible(label) != FALSE;
    status.weight = window->m_ctlText.LogFont().lfWeight;
    status.height = window->m_ctlText.LogFont().lfHeight;
    status.color = window->m_ctlText.TextColor();
    status.bluePixels = BluePixels(label);
    return status;
}

LRESULT CALLBACK WatchCaptions(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_SETTEXT && GetDlgItem(call->hwnd, IDC_PROGRESS_ANIMATION) != nullptr) {
        CaptionChange change;
        change.caption = call->lParam ? reinterpret_cast<const char*>(call->lParam) : "";
        change.time = GetTickCount();
        change.statusBefore = ReadStatusLine(call->hwnd);
        change.animationVisible = IsWindowVisible(GetDlgItem(call->hwnd, IDC_PROGRESS_ANIMATION)) != FALSE;
        change.progressBarVisible = IsWindowVisible(GetDlgItem(call->hwnd, IDC_PROGRESS_BAR)) != FALSE;
        g_captions.push_back(change);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// 13 points on this display, as the label computes a point size.
LONG ThirteenPointHeight()
{
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return -MulDiv(dpi, 130, 720);
}

class ProgressWindowTest : public ::testing::Test {
protected:
    ProgressWindowTest()
        : m_run(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run"),
          m_product(HKEY_LOCAL_MACHINE, "Software\\QUILLONWheel"),
          m_counts(HKEY_LOCAL_MACHINE, "SOFTWARE\\MORVASETUP"),
          m_uninstall(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\windows\\CurrentVersion\\Uninstall\\Test Wheel Mouse"),
          m_programFolder(testreg::ReadString(HKEY_CURRENT_USER,
                                              "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                                              "Programs") +
                          "\\Test Wheel Mouse")
    {
        g_captions.clear();
        RemoveTree(m_programFolder);
        DeleteFileA(InstalledDriverPath().c_str());
        m_media.WriteConfig(StandardConfig());
        m_media.WriteLanguageFile(NamedTexts());
        WriteProductFiles(m_media);
        m_start.WriteText(kDriverFileName, "driver");
    }
    ~ProgressWindowTest() override
    {
        CloseUninstallLog();
        EndSetupSession();
        RemoveTree(m_programFolder);
        DeleteFileA(InstalledDriverPath().c_str());
    }

    // Begins a session on the fixture media and installs into the scratch folder.
    void BeginSession()
    {
        ASSERT_TRUE(BeginSetupSession(m_media.Path().c_str()));
        CopyBounded(g_setup.m_szStartDir, sizeof g_setup.m_szStartDir, m_start.Path().c_str());
        CopyBounded(g_setup.m_szInstallDir, sizeof g_setup.m_szInstallDir, InstallFolder().c_str());
    }
    // Runs the window with the caption hook on this (the interface) thread.
    static void RunWatched()
    {
        HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, WatchCaptions, nullptr, GetCurrentThreadId());
        ASSERT_NE(hook, nullptr);
        RunInstallProgress();
        UnhookWindowsHookEx(hook);
    }
    std::string InstallFolder() const { return m_target.Join("Wheel"); }
    std::vector<UninstallLogRecord> LogRecords() const
    {
        UninstallLogContents contents = ParseUninstallLog(ReadFileBytes(InstallFolder() + "\\remove00.log"));
        EXPECT_FALSE(contents.damaged) << contents.fault;
        return contents.records;
    }

    testreg::ScopedKey m_run;
    testreg::ScopedKey m_product;
    testreg::ScopedKey m_counts;
    testreg::ScopedKey m_uninstall;
    std::string m_programFolder;
    MediaFixture m_media;
    ScratchFolder m_start{"start"};
    ScratchFolder m_target{"target"};
};

TEST_F(ProgressWindowTest, RunsItsFourStepsInOrderAndClosesByItself)
{
    BeginSession();
    DWORD started = GetTickCount();
    RunWatched();
    DWORD ended = GetTickCount();

    ASSERT_EQ(g_captions.size(), 4u);
    const char* expected[] = {"MSG 301", "MSG 302", "MSG 304", "MSG 306"};
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(g_captions[i].caption, NamedTextValue(expected[i])) << "caption " << i;
    EXPECT_GE(g_captions[1].time - g_captions[0].time, 950u)
        << "the copying step lasts until the first poll, a second after the worker starts";
    EXPECT_LT(ended - started, 20000u);

    // While copying: the animation, and neither status line nor progress bar.
    EXPECT_TRUE(g_captions[1].animationVisible);
    EXPECT_FALSE(g_captions[1].statusBefore.visible);
    EXPECT_FALSE(g_captions[1].progressBarVisible);
    // From the startup step on: 13-point bold blue text over the still visible animation.
    for (size_t i : {2u, 3u}) {
        const StatusLine& status = g_captions[i].statusBefore;
        EXPECT_TRUE(status.visible) << i;
        EXPECT_EQ(status.weight, 700) << i;
        EXPECT_EQ(status.height, ThirteenPointHeight()) << i;
        EXPECT_EQ(status.color, RGB(0, 0, 255)) << i;
        EXPECT_GT(status.bluePixels, 30) << "the text is drawn in blue: " << i;
        EXPECT_TRUE(g_captions[i].animationVisible) << i;
        EXPECT_FALSE(g_captions[i].progressBarVisible) << i;
    }
}

TEST_F(ProgressWindowTest, TheLogIsClosedAndHoldsTheStepsAfterTheWorkersRecords)
{
    BeginSession();
    RunWatched();
    EXPECT_FALSE(g_setup.m_logFile.IsOpen()) << "closed with the window";
    EXPECT_EQ(ReadFileText(InstallFolder() + "\\ptrctl32.exe"), ProductFileContents("ptrctl32.exe"));

    std::vector<UninstallLogRecord> records = LogRecords();
    size_t first = 0;
    while (first < records.size() && (records[first].kind == LOG_FILE || records[first].kind == LOG_FOLDER))
        ++first;
    ASSERT_GT(first, 0u) << "the worker's records come first";
    std::string kinds;
    for (size_t i = first; i < records.size(); ++i)
        kinds += records[i].kind == LOG_RUN_VALUE        ? 'R'
                 : records[i].kind == LOG_SHORTCUT       ? 'S'
                 : records[i].kind == LOG_PROGRAM_FOLDER ? 'P'
                 : records[i].kind == LOG_UNINSTALL_KEY  ? 'U'
                                                         : '?';
    EXPECT_EQ(kinds, "RSSPU") << "startup entry, the two shortcuts, their folder, the uninstall key";
    EXPECT_EQ(records.back().text, "Software\\Microsoft\\windows\\CurrentVersion\\Uninstall\\Test Wheel Mouse");
    EXPECT_TRUE(testreg::ValueExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
                                     "FLMQUILLONWHEEL"));
}

// Enter, Escape and the close command while the worker runs end nothing.
TEST_F(ProgressWindowTest, EnterEscapeAndCloseWhileCopyingEndNothing)
{
    BeginSession();
    std::atomic<int> keysSent{0};
    std::atomic<bool> sawWindow{false};
    std::atomic<bool> copyingWhenSent{false};
    DWORD uiThread = GetCurrentThreadId();
    std::thread robot([&] {
        Robot user(uiThread);
        HWND window = user.WaitForTopWindowWithControl(IDC_PROGRESS_ANIMATION);
        if (window == nullptr)
            return;
        sawWindow = true;
        std::string copying = NamedTextValue("MSG 301");
        copyingWhenSent = Robot::WaitUntil([&] { return Robot::Text(window) == copying; });
        Robot::Key(window, VK_RETURN);
        Robot::Key(window, VK_ESCAPE);
        Robot::Close(window);
        PostMessageA(window, WM_COMMAND, IDOK, 0);
        PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        keysSent = 1;
    });
    RunWatched();
    robot.join();
    ASSERT_TRUE(sawWindow);
    EXPECT_TRUE(copyingWhenSent) << "the keys reached the window while it was copying";
    EXPECT_EQ(keysSent, 1);
    ASSERT_EQ(g_captions.size(), 4u) << "every step ran to its end";
    EXPECT_EQ(g_captions.back().caption, NamedTextValue("MSG 306"));
    EXPECT_FALSE(LogRecords().empty());
    EXPECT_EQ(LogRecords().back().kind, LOG_UNINSTALL_KEY);
}

}  // namespace
