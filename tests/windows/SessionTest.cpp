// Whole sessions driven by the robot: how they end, and what they leave behind.
#include <windows.h>

#include "SessionFixture.h"
#include "entry/SetupSession.h"
#include "entry/SetupState.h"
#include "install/UninstallLog.h"
#include "install/UninstallLogReader.h"

namespace {

class SessionTest : public SessionFixture {
protected:
    SessionTest() { WriteCompleteMedia(); }
};

TEST_F(SessionTest, FinishWithRestartLaterGives12)
{
    int exitCode = RunSession([](SetupRobot& robot) {
        if (!robot.WalkTo(SetupRobot::kSummary) || !robot.InstallAndWaitForFinish())
            return false;
        Robot::Click(robot.PageControl(1020));
        Robot::WaitUntil([&] { return Robot::Check(robot.PageControl(1020)) == BST_CHECKED; });
        robot.Cancel();
        return true;
    });
    EXPECT_EQ(exitCode, kExitRestartLater);
    EXPECT_TRUE(PathExists(DefaultDestination() + "\\ptrctl32.exe"));
}

}  // namespace
