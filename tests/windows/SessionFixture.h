#pragma once
// Whole setup sessions in this test program: the session runs on the test's thread
// (as it runs on the launcher's) while a robot thread walks through it. The registry
// keys and folders a session writes are removed before and after.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "MediaFixture.h"
#include "ProductMedia.h"
#include "ScratchFolder.h"
#include "SetupRobot.h"
#include "TestRegistry.h"

// What the robot does during a session; false when it did not find what it expected.
using Scenario = std::function<bool(SetupRobot&)>;

class SessionFixture : public ::testing::Test {
protected:
    SessionFixture();
    ~SessionFixture() override;

    // A complete media folder with the standard configuration and named texts.
    void WriteCompleteMedia();
    // Runs a session on the fixture media; the exit code. A scenario that fails is
    // reported and the robot ends the session.
    int RunSession(const Scenario& scenario) { return RunSessionOn(m_media.Path(), scenario); }
    int RunSessionOn(const std::string& mediaFolder, const Scenario& scenario);

    // Where the standard configuration installs by default, and the Start-menu folders.
    static std::string DefaultDestination();
    static std::string ProgramsFolder();
    // Nothing of an installation is on the system.
    void ExpectNothingInstalled() const;

    MediaFixture m_media;
    ScratchFolder m_start{"start"};
    ScratchFolder m_target{"target"};
    testreg::ScopedKey m_run;
    testreg::ScopedKey m_product;
    testreg::ScopedKey m_counts;
    testreg::ScopedKey m_uninstall;
    std::vector<std::string> m_createdFolders;

private:
    std::string m_previousFolder;
};

// Saves the screen area of a window as a 24-bit BMP file; false on failure.
bool SaveWindowImage(HWND window, const std::string& path);
// The folder screenshots go to (SETUP_SCREENSHOT_DIR, made when missing), or "" for none.
std::string ScreenshotFolder();
