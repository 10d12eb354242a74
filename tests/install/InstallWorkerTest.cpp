// The install worker: its small routines, its thread, and its platform branches in child
// processes under Wine's emulated Windows versions.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "ChildProcess.h"
#include "MediaFixture.h"
#include "ProductMedia.h"
#include "ScratchFolder.h"
#include "TestRegistry.h"
#include "entry/SetupState.h"
#include "framework/BoundedString.h"
#include "install/InstallWorker.h"
#include "install/UninstallLog.h"

namespace {

TEST(QuotePathIfNeeded, QuotesOnlyPathsWithBlanksThatAreNotQuotedYet)
{
    struct Case {
        const char* path;
        const char* expected;
    };
    const Case cases[] = {
        {"D:\\Disk1\\SETUP16.EXE", "D:\\Disk1\\SETUP16.EXE"},
        {"D:\\Disk 1\\SETUP16.EXE", "\"D:\\Disk 1\\SETUP16.EXE\""},
        {"\"D:\\Disk 1\\SETUP16.EXE\"", "\"D:\\Disk 1\\SETUP16.EXE\""},
        {"", ""},
        {" ", "\" \""},
    };
    for (const Case& c : cases) {
        char path[MAX_PATH];
        CopyBounded(path, sizeof path, c.path);
        EXPECT_TRUE(QuotePathIfNeeded(path, sizeof path)) << c.path;
        EXPECT_STREQ(path, c.expected) << c.path;
    }
}

TEST(QuotePathIfNeeded, RefusesAQuotedPathThatWouldNotFit)
{
    for (size_t length : {257u, 258u}) {
        std::string text = "C:\\a b" + std::string(length - 6, 'x');
        char path[MAX_PATH];
        CopyBounded(path, sizeof path, text.c_str());
        bool fits = length + 2 <= 259;
        EXPECT_EQ(QuotePathIfNeeded(path, sizeof path), fits) << length;
        EXPECT_EQ(std::string(path), fits ? "\"" + text + "\"" : text) << length << ": never cut";
    }
}

class Setup16CommandLineTest : public ::testing::Test {
protected:
    ~Setup16CommandLineTest() override { g_setup.m_bWinMe = FALSE; }
    void SetFolders(const std::string& media, const std::string& start)
    {
        CopyBounded(g_setup.m_szSourceDir, sizeof g_setup.m_szSourceDir, media.c_str());
        CopyBounded(g_setup.m_szStartDir, sizeof g_setup.m_szStartDir, start.c_str());
    }
    static std::string ShortForm(const std::string& path)
    {
        char buffer[MAX_PATH] = {};
        GetShortPathNameA(path.c_str(), buffer, sizeof buffer);
        return buffer;
    }
};

TEST_F(Setup16CommandLineTest, QuotedProgramOneBlankAndTheShortStartFolder)
{
    ScratchFolder start("start");
    std::string startFolder = start.Join("Start Folder With Blanks");
    MakeFolders(startFolder);
    std::string shortStart = ShortForm(startFolder);
    ASSERT_EQ(shortStart.find(' '), std::string::npos) << "the short form has no blanks: " << shortStart;
    struct Case {
        const char* media;
        BOOL winMe;
        std::string expected;
    };
    const Case cases[] = {
        {"D:\\Disk 1", FALSE, "\"D:\\Disk 1\\SETUP16.EXE\" " + shortStart},
        {"D:\\Disk 1", TRUE, "\"D:\\Disk 1\\SETUP16.EXE\" " + shortStart + "\\winme"},
        {"D:\\Disk1", TRUE, "D:\\Disk1\\SETUP16.EXE " + shortStart + "\\winme"},
        {"D:\\Disk1", FALSE, "D:\\Disk1\\SETUP16.EXE " + shortStart},
    };
    for (const Case& c : cases) {
        SetFolders(c.media, startFolder);
        g_setup.m_bWinMe = c.winMe;
        char commandLine[MAX_PATH];
        ASSERT_TRUE(Setup16CommandLine(commandLine, sizeof commandLine)) << c.media;
        EXPECT_EQ(std::string(commandLine), c.expected);
    }
}

TEST_F(Setup16CommandLineTest, ACommandLineThatWouldNotFitIsNotBuilt)
{
    ScratchFolder start("s");
    SetFolders("C:\\" + std::string(240, 'm'), start.Path());  // the program path alone: 255
    char commandLine[MAX_PATH];
    EXPECT_FALSE(Setup16CommandLine(commandLine, sizeof commandLine)) << "the start folder no longer fits";
    SetFolders("C:\\" + std::string(250, 'm'), start.Path());
    EXPECT_FALSE(Setup16CommandLine(commandLine, sizeof commandLine)) << "the program path does not fit";
}

// The worker on its own thread, in this process (whose Windows is the prefix's own).
class WorkerThreadTest : public ::testing::Test {
protected:
    WorkerThreadTest()
    {
        g_setup.m_pszLanguageExt = "enu";
        g_setup.m_bWin95 = g_setup.m_bWin98 = g_setup.m_bWinMe = FALSE;
        g_setup.m_bWinNT5 = g_setup.m_bWinNTOther = FALSE;
        g_setup.m_bWinXP = TRUE;
        DeleteFileA(InstalledDriverPath().c_str());
    }
    ~WorkerThreadTest() override
    {
        CloseUninstallLog();
        g_setup.m_bWinXP = FALSE;
        DeleteFileA(InstalledDriverPath().c_str());
    }
    void Folders(const std::string& media, const std::string& start, const std::string& install)
    {
        CopyBounded(g_setup.m_szSourceDir, sizeof g_setup.m_szSourceDir, media.c_str());
        CopyBounded(g_setup.m_szStartDir, sizeof g_setup.m_szStartDir, start.c_str());
        CopyBounded(g_setup.m_szInstallDir, sizeof g_setup.m_szInstallDir, install.c_str());
    }
    // Waits for the flag with the acquire ordering of the progress window's poll.
    static bool WaitForWorker()
    {
        for (int i = 0; i < 1000; ++i) {
            if (g_setup.m_bWorkerRunning.load(std::memory_order_acquire) == 0)
                return true;
            Sleep(10);
        }
        return false;
    }
};

TEST_F(WorkerThreadTest, RunsTheWholeInstallationAndClearsTheFlagLast)
{
    MediaFixture media;
    media.WriteConfig(StandardConfig());
    WriteProductFiles(media);
    ScratchFolder start("start");
    start.WriteText(kDriverFileName, "driver");
    ScratchFolder target("target");
    std::string install = target.Join("New\\Deeper\\Wheel");
    Folders(media.Path(), start.Path(), install);

    StartInstallWorker(nullptr);
    EXPECT_EQ(g_setup.m_bWorkerRunning.load(std::memory_order_acquire), 1) << "set before the thread runs";
    ASSERT_TRUE(WaitForWorker());
    // Everything the worker did is visible once the flag is clear: the settings files,
    // its last step, and the open log the interface thread goes on writing to.
    EXPECT_TRUE(g_setup.m_logFile.IsOpen()) << "the log stays open for the steps that follow";
    EXPECT_TRUE(PathExists(install + "\\PtrInfo.ini"));
    EXPECT_EQ(ReadFileText(install + "\\ptrctl32.exe"), ProductFileContents("ptrctl32.exe"));
    EXPECT_EQ(ReadFileText(InstalledDriverPath()), "driver");
    WriteLogRecord(LOG_RUN_VALUE, "appended after the worker");
    CloseUninstallLog();
    std::string log = ReadFileText(install + "\\remove00.log");
    EXPECT_NE(log.find(install + "\\ptrctl32.exe"), std::string::npos);
    EXPECT_EQ(log.substr(log.size() - 27), "\xFD" "appended after the worker" + std::string(1, '\0'));
}

TEST_F(WorkerThreadTest, ClearsTheFlagEvenWhenEveryCopyFails)
{
    ScratchFolder empty("empty");
    ScratchFolder target("target");
    target.WriteText("blocked", "a file where the install folder would be");
    Folders(empty.Path(), empty.Path(), target.Join("blocked\\Install"));
    StartInstallWorker(nullptr);
    ASSERT_TRUE(WaitForWorker());
    EXPECT_FALSE(g_setup.m_logFile.IsOpen());
    EXPECT_FALSE(PathExists(target.Join("blocked\\Install")));
}

// The platform branches, each in a child process under an emulated Windows version.
class PlatformBranchTest : public ::testing::Test {
protected:
    PlatformBranchTest() : m_rebootKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\RebootFlags")
    {
        m_media = m_mediaParent.Join("Disk 1");
        MakeFolders(m_media);
        WriteProductFiles(m_mediaParent, {});  // beside the media: not used
        for (const std::string& file : ProductMediaFiles()) {
            std::string path = m_media + "\\" + file;
            MakeFolders(path.substr(0, path.find_last_of('\\')));
            CopyFileA(m_mediaParent.Join(file).c_str(), path.c_str(), FALSE);
        }
        m_start = m_startParent.Join("Start Folder");
        MakeFolders(m_start);
        CopyFileA((ProgramFolder() + "\\doubles\\SETUP16.EXE").c_str(), (m_media + "\\SETUP16.EXE").c_str(), FALSE);
        CopyFileA((ProgramFolder() + "\\doubles\\SETUP32.DLL").c_str(), (m_media + "\\SETUP32.DLL").c_str(), FALSE);
        HANDLE driver = CreateFileA((m_start + "\\" + kDriverFileName).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, 0, nullptr);
        CloseHandle(driver);
        testreg::DeleteValue(HKEY_LOCAL_MACHINE, "SOFTWARE", "RebootFlags");
        DeleteFileA(InstalledDriverPath().c_str());
    }
    ~PlatformBranchTest() override
    {
        testreg::DeleteValue(HKEY_LOCAL_MACHINE, "SOFTWARE", "RebootFlags");
        DeleteFileA(InstalledDriverPath().c_str());
    }

    ChildResult Probe(const char* version, const std::string& install, int rebootBefore = 1)
    {
        std::string arguments = "\"" + m_media + "\" \"" + install + "\" 1 " + std::to_string(rebootBefore);
        ChildResult child = RunChild(ProgramFolder() + "\\install_probe.exe", arguments, version, 60000,
                                     m_start.c_str());
        EXPECT_TRUE(child.started && child.finished) << version;
        EXPECT_EQ(child.exitCode, 0u) << version << ": " << child.output;
        return child;
    }

    static std::string ShortForm(const std::string& path)
    {
        char buffer[MAX_PATH] = {};
        GetShortPathNameA(path.c_str(), buffer, sizeof buffer);
        return buffer;
    }

    std::string Record16() const { return ReadFileText(m_media + "\\setup16.record"); }
    std::string Record32() const { return ReadFileText(m_media + "\\setup32.record"); }
    void ExpectInstalled(const std::string& install, const char* version) const
    {
        EXPECT_EQ(ReadFileText(install + "\\options.lrd"), ProductFileContents("options.lrd")) << version;
        EXPECT_EQ(ReadFileText(install + "\\brand.bmp"), ProductFileContents("3D\\brand.bmp")) << version;
        EXPECT_TRUE(PathExists(install + "\\remove00.log")) << version;
        EXPECT_TRUE(PathExists(InstalledDriverPath())) << version << ": the driver is placed";
    }

    ScratchFolder m_mediaParent{"media"};
    ScratchFolder m_startParent{"start"};
    ScratchFolder m_target{"target"};
    std::string m_media;
    std::string m_start;
    testreg::ScopedKey m_rebootKey;
};

TEST_F(PlatformBranchTest, Windows9xRunsSetup16AndRemovesItsRestartKey)
{
    struct Case {
        const char* version;
        bool winMe;
    };
    for (const Case& c : {Case{"win95", false}, Case{"win98", false}, Case{"winme", true}}) {
        DeleteFileA((m_media + "\\setup16.record").c_str());
        std::string install = m_target.Join(std::string("Install ") + c.version);
        ChildResult child = Probe(c.version, install);
        std::string expected = "\"" + m_media + "\\SETUP16.EXE\" " + ShortForm(m_start) + (c.winMe ? "\\winme" : "");
        EXPECT_EQ(Record16(), expected) << c.version;
        EXPECT_FALSE(testreg::KeyExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\RebootFlags")) << c.version;
        EXPECT_TRUE(testreg::ValueExists(HKEY_LOCAL_MACHINE, "SOFTWARE", "RebootFlags"))
            << c.version << ": the value of the same name stays";
        EXPECT_FALSE(PathExists(m_media + "\\setup32.record")) << c.version;
        ExpectInstalled(install, c.version);
        testreg::DeleteValue(HKEY_LOCAL_MACHINE, "SOFTWARE", "RebootFlags");
        DeleteFileA(InstalledDriverPath().c_str());
    }
}

TEST_F(PlatformBranchTest, OtherNtSystemsCallSetup32AndSetTheRestartFlagBack)
{
    for (const char* version : {"nt40", "win7"}) {
        DeleteFileA((m_media + "\\setup32.record").c_str());
        std::string install = m_target.Join(std::string("Install ") + version);
        ChildResult child = Probe(version, install);
        EXPECT_NE(child.output.find("winntother=1"), std::string::npos) << child.output;
        std::string record = Record32();
        EXPECT_NE(record.find("folder=" + m_media + "\\winnt\n"), std::string::npos) << version << ": " << record;
        EXPECT_NE(record.find("reboot_before=1\n"), std::string::npos) << version << ": " << record;
        EXPECT_NE(record.find("window=0000000000000000"), std::string::npos)
            << version << ": no main window is registered: " << record;
        EXPECT_NE(child.output.find("reboot=1 "), std::string::npos)
            << version << ": the stand-in wrote 0, the worker set it back: " << child.output;
        EXPECT_FALSE(PathExists(m_media + "\\setup16.record")) << version;
        ExpectInstalled(install, version);
        DeleteFileA(InstalledDriverPath().c_str());
    }
}

TEST_F(PlatformBranchTest, WithoutSetup32TheRestartFlagIsNotTouched)
{
    DeleteFileA((m_media + "\\SETUP32.DLL").c_str());
    std::string install = m_target.Join("Install");
    ChildResult child = Probe("nt40", install, 5);
    EXPECT_NE(child.output.find("reboot=5 "), std::string::npos) << child.output;
    ExpectInstalled(install, "nt40");
}

TEST_F(PlatformBranchTest, Windows2000AndXpRunNeitherAndStillCopyEverything)
{
    for (const char* version : {"win2k", "winxp"}) {
        std::string install = m_target.Join(std::string("Install ") + version);
        ChildResult child = Probe(version, install, 3);
        EXPECT_NE(child.output.find("reboot=3 "), std::string::npos) << child.output;
        EXPECT_FALSE(PathExists(m_media + "\\setup16.record")) << version;
        EXPECT_FALSE(PathExists(m_media + "\\setup32.record")) << version;
        ExpectInstalled(install, version);
        DeleteFileA(InstalledDriverPath().c_str());
    }
}

}  // namespace
