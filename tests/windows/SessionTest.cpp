// Whole sessions driven by the robot: how each way of ending a session is reported,
// and what a finished session leaves on the system.
#include <windows.h>

#include <string>

#include "SessionFixture.h"
#include "entry/SetupSession.h"
#include "install/UninstallLog.h"
#include "install/UninstallLogReader.h"
#include "resources/resource.h"

namespace {

class SessionTest : public SessionFixture {
protected:
    SessionTest() { WriteCompleteMedia(); }
};

// The finish page's choice, then its close button.
bool FinishWith(SetupRobot& robot, int radioButton)
{
    if (!robot.WalkTo(SetupRobot::kSummary) || !robot.InstallAndWaitForFinish())
        return false;
    if (Robot::Check(robot.PageControl(IDC_FINISH_RESTART_NOW)) != BST_CHECKED)
        return false;  // restart now is preselected after an installation
    Robot::Click(robot.PageControl(radioButton));
    if (!Robot::WaitUntil([&] { return Robot::Check(robot.PageControl(radioButton)) == BST_CHECKED; }))
        return false;
    robot.Cancel();
    return true;
}

TEST_F(SessionTest, FinishWithRestartLaterGives12)
{
    EXPECT_EQ(RunSession([](SetupRobot& robot) { return FinishWith(robot, IDC_FINISH_RESTART_LATER); }),
              kExitRestartLater);
    EXPECT_TRUE(PathExists(DefaultDestination() + "\\ptrctl32.exe"));
}

TEST_F(SessionTest, FinishWithRestartNowGivesTheCodeOfThisNtSystem)
{
    EXPECT_EQ(RunSession([](SetupRobot& robot) { return FinishWith(robot, IDC_FINISH_RESTART_NOW); }),
              kExitRestartNowNt);
}

TEST_F(SessionTest, CancelConfirmedOnAnyPageBeforeTheInstallationGives2AndInstallsNothing)
{
    for (int page = SetupRobot::kWelcome; page <= SetupRobot::kSummary; ++page) {
        int exitCode = RunSession([page](SetupRobot& robot) {
            return robot.WalkTo(static_cast<SetupRobot::Page>(page)) && robot.CancelAndAnswer(IDCANCEL);
        });
        EXPECT_EQ(exitCode, kExitAbandoned) << "page " << page;
        ExpectNothingInstalled();
    }
}

TEST_F(SessionTest, CancelAnsweredWithButton1LeavesTheWizardOnItsPage)
{
    int exitCode = RunSession([](SetupRobot& robot) {
        for (int page = SetupRobot::kWelcome; page <= SetupRobot::kSummary; ++page) {
            if (!robot.WaitForPage(static_cast<SetupRobot::Page>(page)) || !robot.CancelAndAnswer(IDOK) ||
                !robot.WaitForPage(static_cast<SetupRobot::Page>(page)))
                return false;
            if (page < SetupRobot::kSummary)
                robot.Next();
        }
        return robot.CancelAndAnswer(IDCANCEL);
    });
    EXPECT_EQ(exitCode, kExitAbandoned);
    ExpectNothingInstalled();
}

TEST_F(SessionTest, TheQuestionClosedWithEscapeOrItsCloseBoxGives2)
{
    enum Closing { kEscape, kCloseBox };
    for (Closing closing : {kEscape, kCloseBox}) {
        int exitCode = RunSession([closing](SetupRobot& robot) {
            if (!robot.WalkTo(SetupRobot::kDestination))
                return false;
            robot.Cancel();
            HWND question = robot.WaitForMessageDialog();
            if (question == nullptr)
                return false;
            if (closing == kEscape)
                Robot::Key(GetDlgItem(question, IDOK), VK_ESCAPE);
            else
                Robot::Close(question);
            return true;
        });
        EXPECT_EQ(exitCode, kExitAbandoned) << (closing == kEscape ? "Escape" : "close box");
    }
}

TEST_F(SessionTest, AltF4OnTheMainWindowGives2)
{
    int exitCode = RunSession([](SetupRobot& robot) {
        if (!robot.WalkTo(SetupRobot::kButtonModel))
            return false;
        Robot::Key(robot.MainWindow(), VK_F4, true);
        return true;
    });
    EXPECT_EQ(exitCode, kExitAbandoned);
    ExpectNothingInstalled();
}

TEST_F(SessionTest, EnterAndEscapeOnTheMainWindowCloseNothing)
{
    bool stillThere = false;
    int exitCode = RunSession([&](SetupRobot& robot) {
        if (!robot.WaitForPage(SetupRobot::kWelcome))
            return false;
        HWND main = robot.MainWindow();
        Robot::Key(main, VK_RETURN);
        Robot::Key(main, VK_ESCAPE);
        Robot::Key(main, VK_RETURN, true);
        Sleep(500);
        HWND focus = robot.Focus();
        stillThere = IsWindowVisible(main) && robot.WaitForPage(SetupRobot::kWelcome, 0) &&
                     robot.MessageDialog() == nullptr &&
                     (focus == robot.Frame() || IsChild(robot.Frame(), focus));
        return robot.CancelAndAnswer(IDCANCEL);
    });
    EXPECT_TRUE(stillThere) << "the keys were dropped and the frame has the focus";
    EXPECT_EQ(exitCode, kExitAbandoned);
}

TEST_F(SessionTest, EnterOnAFrameButtonActsOnceAndEscapeDoesNothing)
{
    bool movedOnePage = false;
    bool escapeIgnored = false;
    int exitCode = RunSession([&](SetupRobot& robot) {
        if (!robot.WaitForPage(SetupRobot::kWelcome))
            return false;
        HWND next = robot.FrameButton(IDC_FRAME_NEXT);
        if (!Robot::WaitUntil([&] { return robot.Focus() == next; })) {
            ADD_FAILURE() << "the focus is on " << Robot::ClassName(robot.Focus()) << " "
                          << GetDlgCtrlID(robot.Focus()) << " '" << Robot::Text(robot.Focus()) << "'";
            return false;
        }
        Robot::Key(next, VK_RETURN);
        movedOnePage = robot.WaitForPage(SetupRobot::kButtonModel) &&
                       !robot.WaitForPage(SetupRobot::kDestination, 500);
        Robot::Key(robot.Focus(), VK_ESCAPE);
        Sleep(300);
        escapeIgnored = robot.MessageDialog() == nullptr && robot.WaitForPage(SetupRobot::kButtonModel, 0);
        return robot.CancelAndAnswer(IDCANCEL);
    });
    EXPECT_TRUE(movedOnePage);
    EXPECT_TRUE(escapeIgnored);
    EXPECT_EQ(exitCode, kExitAbandoned);
}

// The choices of the pages are what the files, the shortcuts, the registry and the
// log show afterwards.
TEST_F(SessionTest, TheChosenDestinationModelAndProgramFolderAreTheOnesInstalled)
{
    std::string destination = m_target.Join("Chosen Place\\Wheel");
    std::string programFolder = ProgramsFolder() + "\\Robot Chosen";
    m_createdFolders.push_back(programFolder);
    int exitCode = RunSession([&](SetupRobot& robot) {
        if (!robot.WalkTo(SetupRobot::kButtonModel))
            return false;
        Robot::Click(robot.PageControl(IDC_MODEL_FIRST));
        if (!Robot::WaitUntil([&] { return Robot::Check(robot.PageControl(IDC_MODEL_FIRST)) == BST_CHECKED; }))
            return false;
        robot.Next();
        if (!robot.WaitForPage(SetupRobot::kDestination))
            return false;
        Robot::Type(robot.PageControl(IDC_FOLDER_EDIT), destination);
        robot.Next();
        if (!robot.WaitForPage(SetupRobot::kProgramFolder))
            return false;
        Robot::Type(robot.PageControl(IDC_FOLDER_EDIT), "Robot Chosen");
        robot.Next();
        return robot.InstallAndWaitForFinish() && (robot.Cancel(), true);
    });
    EXPECT_EQ(exitCode, kExitRestartNowNt);
    EXPECT_FALSE(PathExists(DefaultDestination()));
    EXPECT_EQ(ReadFileText(destination + "\\ptrctl32.exe"), ProductFileContents("ptrctl32.exe"));
    EXPECT_EQ(ReadFileText(destination + "\\brand.bmp"), ProductFileContents("3D\\brand.bmp")) << "the first model";
    EXPECT_TRUE(PathExists(programFolder + "\\Wheel Control.lnk"));
    EXPECT_FALSE(PathExists(ProgramsFolder() + "\\Test Wheel Mouse"));
    EXPECT_EQ(testreg::ReadString(HKEY_LOCAL_MACHINE, "Software\\QUILLONWheel", "AppPath"), destination);
    EXPECT_EQ(testreg::ReadString(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\windows\\CurrentVersion\\Uninstall\\Test Wheel Mouse",
                                  "UninstallString"),
              destination + "\\remove00.exe");

    UninstallLogContents log = ParseUninstallLog(ReadFileBytes(destination + "\\remove00.log"));
    ASSERT_FALSE(log.damaged) << log.fault;
    bool sawProgramFolder = false;
    for (const UninstallLogRecord& record : log.records) {
        if (record.kind == LOG_FILE)
            EXPECT_TRUE(record.text.rfind(destination, 0) == 0 || record.text == InstalledDriverPath()) << record.text;
        if (record.kind == LOG_PROGRAM_FOLDER) {
            EXPECT_EQ(record.text, programFolder);
            sawProgramFolder = true;
        }
    }
    EXPECT_TRUE(sawProgramFolder);
}

}  // namespace
