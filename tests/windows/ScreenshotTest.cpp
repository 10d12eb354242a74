// Pictures of every window of a session, for a person to look at: each page, the
// message dialog, the progress window and the main window, saved as images under
// Xvfb in the Wine virtual desktop (converted to PNG by screenshots-to-png.sh).
#include <windows.h>

#include "SessionFixture.h"
#include "entry/SetupSession.h"

namespace {

class ScreenshotTest : public SessionFixture {
protected:
    ScreenshotTest() { WriteCompleteMedia(); }
};

// Lets the window finish painting, then saves it.
bool Snap(HWND window, const std::string& name)
{
    Sleep(300);
    std::string folder = ScreenshotFolder();
    return folder.empty() || SaveWindowImage(window, folder + "\\" + name + ".bmp");
}

TEST_F(ScreenshotTest, EveryWindowOfASession)
{
    if (ScreenshotFolder().empty())
        GTEST_SKIP() << "SETUP_SCREENSHOT_DIR names no folder";
    static const char* const kPageNames[] = {"1-welcome", "2-button-model", "3-destination",
                                             "4-program-folder", "5-summary"};
    int exitCode = RunSession([](SetupRobot& robot) {
        if (!robot.WaitForPage(SetupRobot::kWelcome) || !Snap(robot.MainWindow(), "0-main-window"))
            return false;
        for (int page = SetupRobot::kWelcome; page <= SetupRobot::kSummary; ++page) {
            if (!robot.WaitForPage(static_cast<SetupRobot::Page>(page)) || !Snap(robot.Frame(), kPageNames[page]))
                return false;
            if (page == SetupRobot::kWelcome) {
                robot.Cancel();
                HWND question = robot.WaitForMessageDialog();
                if (question == nullptr || !Snap(question, "7-message"))
                    return false;
                Robot::Click(GetDlgItem(question, IDOK));
                if (!robot.WaitForPage(SetupRobot::kWelcome))
                    return false;
            }
            if (page < SetupRobot::kSummary)
                robot.Next();
        }
        robot.Next();
        HWND progress = robot.WaitForTopWindowWithControl(1024);
        if (progress == nullptr || !Snap(progress, "8-progress"))
            return false;
        if (!robot.WaitForPage(SetupRobot::kFinish, 60000) || !Snap(robot.Frame(), "6-finish"))
            return false;
        robot.Cancel();
        return true;
    });
    EXPECT_EQ(exitCode, kExitRestartNowNt);
}

}  // namespace
