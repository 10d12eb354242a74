// DOINSTALL through the library's export, the way a launcher calls it.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <thread>

#include "MediaFixture.h"
#include "ScratchFolder.h"
#include "SetupRobot.h"

namespace {

using DoInstallProc = int(WINAPI*)(const char*);

class DoInstallExport : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_library = LoadLibraryA((ProgramFolder() + "\\setupeng.dll").c_str());
        ASSERT_NE(m_library, nullptr) << "error " << GetLastError();
        m_doInstall = reinterpret_cast<DoInstallProc>(reinterpret_cast<void*>(GetProcAddress(m_library, "DOINSTALL")));
        ASSERT_NE(m_doInstall, nullptr);
    }
    void TearDown() override
    {
        if (m_library)
            FreeLibrary(m_library);
    }

    HMODULE m_library = nullptr;
    DoInstallProc m_doInstall = nullptr;
};

TEST_F(DoInstallExport, RefusesANullOrOverlongMediaFolder)
{
    EXPECT_EQ(m_doInstall(nullptr), 0);
    std::string overlong(300, 'x');
    EXPECT_EQ(m_doInstall(overlong.c_str()), 0);
}

// A media folder without setupm.ini and language file still shows the wizard, with
// empty texts; cancelling it ends the session with 2, twice in the same process.
TEST_F(DoInstallExport, RunsASessionOnAnEmptyMediaFolder)
{
    MediaFixture media;
    for (int call = 0; call < 2; ++call) {
        bool sawEmptyWizard = false;
        DWORD uiThread = GetCurrentThreadId();
        std::thread robotThread([&] {
            SetupRobot robot(uiThread);
            if (robot.WaitForPage(SetupRobot::kWelcome)) {
                sawEmptyWizard = Robot::Text(robot.Frame()).empty() && Robot::Text(robot.FrameButton(1002)).empty() &&
                                 Robot::Text(robot.PageControl(1003)).empty();
                if (robot.CancelAndAnswer(IDCANCEL))
                    return;
            }
            robot.Rescue();
        });
        EXPECT_EQ(m_doInstall(media.Path().c_str()), 2) << "call " << call;
        robotThread.join();
        EXPECT_TRUE(sawEmptyWizard) << "call " << call;
    }
}

}  // namespace
