// Moving through the wizard for real: the frame's buttons and captions on each page,
// and what each page keeps or loses on the way forward and back.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "SessionFixture.h"
#include "entry/SetupSession.h"
#include "install/UninstallLog.h"
#include "install/UninstallLogReader.h"
#include "resources/resource.h"

namespace {

class NavigationTest : public SessionFixture {
protected:
    NavigationTest() { WriteCompleteMedia(); }
};

// What the frame shows on one page.
struct FrameState {
    std::string caption;
    bool backEnabled;
    bool backVisible;
    bool nextVisible;
    std::string back, next, cancel;
};

FrameState ReadFrame(const SetupRobot& robot)
{
    HWND back = robot.FrameButton(IDC_FRAME_BACK);
    HWND next = robot.FrameButton(IDC_FRAME_NEXT);
    return {Robot::Text(robot.Frame()),      Robot::Enabled(back), Robot::Visible(back), Robot::Visible(next),
            Robot::Text(back),               Robot::Text(next),    Robot::Text(robot.FrameButton(IDC_FRAME_CANCEL))};
}

TEST_F(NavigationTest, TheFrameShowsTheButtonsAndCaptionsOfEachPage)
{
    std::vector<FrameState> states;
    int exitCode = RunSession([&](SetupRobot& robot) {
        for (int page = SetupRobot::kWelcome; page <= SetupRobot::kSummary; ++page) {
            if (!robot.WaitForPage(static_cast<SetupRobot::Page>(page)))
                return false;
            states.push_back(ReadFrame(robot));
            if (page < SetupRobot::kSummary)
                robot.Next();
        }
        if (!robot.InstallAndWaitForFinish())
            return false;
        states.push_back(ReadFrame(robot));
        robot.Cancel();
        return true;
    });
    EXPECT_EQ(exitCode, kExitRestartNowNt);
    ASSERT_EQ(states.size(), 6u);
    const char* titles[] = {"DLG P1T", "DLG P7T", "DLG P3T", "DLG P4T", "DLG P5T", "DLG PFT"};
    for (size_t page = 0; page < 6; ++page) {
        const FrameState& state = states[page];
        EXPECT_EQ(state.caption, NamedTextValue(titles[page])) << "page " << page;
        EXPECT_EQ(state.backVisible, page <= 4) << "page " << page;
        EXPECT_EQ(state.nextVisible, page <= 4) << "page " << page;
        EXPECT_EQ(state.cancel, NamedTextValue(page == 5 ? "MSG 7" : "MSG 4")) << "page " << page;
        if (page <= 4) {
            EXPECT_EQ(state.backEnabled, page >= 1) << "page " << page;
            EXPECT_EQ(state.back, NamedTextValue("MSG 1")) << "page " << page;
            EXPECT_EQ(state.next, NamedTextValue("MSG 2")) << "page " << page;
        }
    }
}

TEST_F(NavigationTest, BackToTheWelcomePageDisablesBackAgain)
{
    bool backEnabledOnPage1 = false;
    bool backDisabledAgain = false;
    bool focusOnNext = false;
    int exitCode = RunSession([&](SetupRobot& robot) {
        if (!robot.WalkTo(SetupRobot::kButtonModel))
            return false;
        backEnabledOnPage1 = Robot::Enabled(robot.FrameButton(IDC_FRAME_BACK));
        robot.Back();
        if (!robot.WaitForPage(SetupRobot::kWelcome))
            return false;
        backDisabledAgain = Robot::WaitUntil([&] { return !Robot::Enabled(robot.FrameButton(IDC_FRAME_BACK)); });
        focusOnNext = Robot::WaitUntil([&] { return robot.Focus() == robot.FrameButton(IDC_FRAME_NEXT); });
        return robot.CancelAndAnswer(IDCANCEL);
    });
    EXPECT_EQ(exitCode, kExitAbandoned);
    EXPECT_TRUE(backEnabledOnPage1);
    EXPECT_TRUE(backDisabledAgain);
    EXPECT_TRUE(focusOnNext);
}

// The check states of the two model buttons, as the robot reads them.
std::string Models(const SetupRobot& robot)
{
    return std::to_string(Robot::Check(robot.PageControl(IDC_MODEL_FIRST))) +
           std::to_string(Robot::Check(robot.PageControl(IDC_MODEL_SECOND)));
}

TEST_F(NavigationTest, TheButtonModelChosenWithNextSurvivesMovesAndAChangeLeftWithBackDoesNot)
{
    std::vector<std::string> seen;
    int exitCode = RunSession([&](SetupRobot& robot) {
        auto choose = [&](int id) {
            Robot::Click(robot.PageControl(id));
            return Robot::WaitUntil([&] { return Robot::Check(robot.PageControl(id)) == BST_CHECKED; });
        };
        auto go = [&](bool forward, SetupRobot::Page page) {
            forward ? robot.Next() : robot.Back();
            return robot.WaitForPage(page);
        };
        if (!robot.WalkTo(SetupRobot::kButtonModel))
            return false;
        seen.push_back(Models(robot));  // first visit
        if (!choose(IDC_MODEL_FIRST) || !go(true, SetupRobot::kDestination) || !go(true, SetupRobot::kProgramFolder) ||
            !go(false, SetupRobot::kDestination) || !go(false, SetupRobot::kButtonModel))
            return false;
        seen.push_back(Models(robot));  // after Next and back again
        if (!choose(IDC_MODEL_SECOND) || !go(false, SetupRobot::kWelcome) || !go(true, SetupRobot::kButtonModel))
            return false;
        seen.push_back(Models(robot));  // the change was left with Back
        return robot.CancelAndAnswer(IDCANCEL);
    });
    EXPECT_EQ(exitCode, kExitAbandoned);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], "01") << "the second model is preselected on the first visit";
    EXPECT_EQ(seen[1], "10") << "the first model, chosen with Next, is kept";
    EXPECT_EQ(seen[2], "10") << "a change left with Back is not stored";
}

TEST_F(NavigationTest, TextTypedOnTheDestinationPageAndLeftWithBackIsLost)
{
    std::string shownAgain;
    std::string shownFirst;
    int exitCode = RunSession([&](SetupRobot& robot) {
        if (!robot.WalkTo(SetupRobot::kDestination))
            return false;
        shownFirst = Robot::Text(robot.PageControl(IDC_FOLDER_EDIT));
        Robot::Type(robot.PageControl(IDC_FOLDER_EDIT), "C:\\Typed but not kept");
        robot.Back();
        if (!robot.WaitForPage(SetupRobot::kButtonModel))
            return false;
        robot.Next();
        if (!robot.WaitForPage(SetupRobot::kDestination))
            return false;
        shownAgain = Robot::Text(robot.PageControl(IDC_FOLDER_EDIT));
        return robot.CancelAndAnswer(IDCANCEL);
    });
    EXPECT_EQ(exitCode, kExitAbandoned);
    EXPECT_EQ(shownFirst, DefaultDestination());
    EXPECT_EQ(shownAgain, DefaultDestination());
}

TEST_F(NavigationTest, TheFolderEditTakesNoMoreThanAPathHolds)
{
    std::string shown;
    int exitCode = RunSession([&](SetupRobot& robot) {
        if (!robot.WalkTo(SetupRobot::kDestination))
            return false;
        HWND edit = robot.PageControl(IDC_FOLDER_EDIT);
        // Typing or pasting stops at the limit; the robot types one character at a time.
        SendMessageA(edit, EM_SETSEL, 0, -1);
        for (int i = 0; i < 300; ++i)
            SendMessageA(edit, WM_CHAR, 'x', 1);
        shown = Robot::Text(edit);
        return robot.CancelAndAnswer(IDCANCEL);
    });
    EXPECT_EQ(exitCode, kExitAbandoned);
    EXPECT_EQ(shown, std::string(MAX_PATH - 1, 'x'));
}

// The program folder the log names after a session.
std::string LoggedProgramFolder(const std::string& destination)
{
    UninstallLogContents log = ParseUninstallLog(ReadFileBytes(destination + "\\remove00.log"));
    for (const UninstallLogRecord& record : log.records) {
        if (record.kind == LOG_PROGRAM_FOLDER)
            return record.text;
    }
    return "";
}

TEST_F(NavigationTest, AnEmptyProgramFolderKeepsTheConfiguredOne)
{
    int exitCode = RunSession([](SetupRobot& robot) {
        if (!robot.WalkTo(SetupRobot::kProgramFolder))
            return false;
        Robot::Type(robot.PageControl(IDC_FOLDER_EDIT), "");
        robot.Next();
        return robot.InstallAndWaitForFinish() && (robot.Cancel(), true);
    });
    EXPECT_EQ(exitCode, kExitRestartNowNt);
    EXPECT_EQ(LoggedProgramFolder(DefaultDestination()), ProgramsFolder() + "\\Test Wheel Mouse");
    EXPECT_TRUE(PathExists(ProgramsFolder() + "\\Test Wheel Mouse\\Wheel Control.lnk"));
}

TEST_F(NavigationTest, TheListOffersTheExistingFoldersAndAPickedOneLandsInTheEditControl)
{
    std::string programs = ProgramsFolder();
    MakeFolders(programs + "\\Zeta Tools");
    MakeFolders(programs + "\\Alpha Games");
    m_createdFolders = {programs + "\\Zeta Tools", programs + "\\Alpha Games"};
    FILE* file = fopen((programs + "\\Loose file.lnk").c_str(), "wb");
    ASSERT_NE(file, nullptr);
    fclose(file);
    std::vector<std::string> items;
    std::string edited;
    int exitCode = RunSession([&](SetupRobot& robot) {
        if (!robot.WalkTo(SetupRobot::kProgramFolder))
            return false;
        HWND list = robot.PageControl(IDC_PROGRAM_LIST);
        int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
        int zeta = -1;
        for (int i = 0; i < count; ++i) {
            char item[MAX_PATH] = {};
            SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
            items.push_back(item);
            if (items.back() == "Zeta Tools")
                zeta = i;
        }
        if (zeta < 0)
            return false;
        Robot::SelectListItem(list, zeta);
        edited = Robot::Text(robot.PageControl(IDC_FOLDER_EDIT));
        robot.Next();
        return robot.InstallAndWaitForFinish() && (robot.Cancel(), true);
    });
    DeleteFileA((programs + "\\Loose file.lnk").c_str());
    EXPECT_EQ(exitCode, kExitRestartNowNt);
    EXPECT_EQ(edited, "Zeta Tools");
    EXPECT_TRUE(std::is_sorted(items.begin(), items.end(),
                               [](const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) < 0; }));
    EXPECT_NE(std::find(items.begin(), items.end(), "Alpha Games"), items.end());
    EXPECT_EQ(std::find(items.begin(), items.end(), "Loose file.lnk"), items.end()) << "files are not listed";
    EXPECT_EQ(LoggedProgramFolder(DefaultDestination()), programs + "\\Zeta Tools");
}

}  // namespace
