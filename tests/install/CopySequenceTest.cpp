// The copy sequence on real folders of the prefix: what lands where, and the log it
// leaves, byte for byte.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "ProductMedia.h"
#include "ScratchFolder.h"
#include "entry/SetupState.h"
#include "framework/BoundedString.h"
#include "install/CopySequence.h"
#include "install/UninstallLog.h"
#include "install/UninstallLogReader.h"

namespace {

struct ExpectedRecord {
    unsigned char kind;
    std::string text;
};

// Runs the copy sequence from a media folder and a start folder into an install folder.
class CopySequenceTest : public ::testing::Test {
protected:
    CopySequenceTest()
    {
        g_setup.m_pszLanguageExt = "enu";
        DeleteFileA(InstalledDriverPath().c_str());
    }
    ~CopySequenceTest() override
    {
        CloseUninstallLog();
        DeleteFileA(InstalledDriverPath().c_str());
        g_setup.m_nButtonModel = 0;
    }

    void Run(const std::string& media, const std::string& start, const std::string& install, int model)
    {
        ASSERT_TRUE(CopyBounded(g_setup.m_szSourceDir, sizeof g_setup.m_szSourceDir, media.c_str()));
        ASSERT_TRUE(CopyBounded(g_setup.m_szStartDir, sizeof g_setup.m_szStartDir, start.c_str()));
        ASSERT_TRUE(CopyBounded(g_setup.m_szInstallDir, sizeof g_setup.m_szInstallDir, install.c_str()));
        g_setup.m_nButtonModel = model;
        MakeFolders(install);
        OpenInstallFolderLog();
        CopyProductFiles();
        CloseUninstallLog();
    }

    std::vector<ExpectedRecord> LogOf(const std::string& install) const
    {
        UninstallLogContents contents = ParseUninstallLog(ReadFileBytes(install + "\\remove00.log"));
        EXPECT_FALSE(contents.damaged) << contents.fault;
        std::vector<ExpectedRecord> records;
        for (const UninstallLogRecord& record : contents.records)
            records.push_back({record.kind, record.text});
        return records;
    }

    // The log of a complete run, in the order of the copy sequence.
    static std::vector<ExpectedRecord> CompleteLog(const std::string& i, const std::set<std::string>& missing = {})
    {
        std::vector<ExpectedRecord> log;
        auto file = [&](const std::string& source, const std::string& destination) {
            if (missing.count(source) == 0 && destination.size() <= 259)
                log.push_back({0xFF, destination});
        };
        for (const char* name : {"options.lrd", "ptrext.dll", "ptrctl32.exe", "POINTER.BMP", "options.dat",
                                 "ptrHk32A.dll"})
            file(name, i + "\\" + name);
        file(kDriverFileName, InstalledDriverPath());
        for (const char* name : {"brand.bmp", "pdata.dat", "res\\panel.ico"})
            file(std::string("model\\") + name, i + "\\" + name);
        for (const char* name : {"ptrRes.dll", "optlang.dll", "options.ini"})
            file(std::string("enu\\") + name, i + "\\" + name);
        log.push_back({0xFE, i + "\\RES"});
        file("tx-00001\\remover.enu", i + "\\remover.un2");
        file("remove00.exe", i + "\\remove00.log");
        log.push_back({0xFE, i});
        return log;
    }

    static void ExpectSameLog(const std::vector<ExpectedRecord>& actual, const std::vector<ExpectedRecord>& expected)
    {
        ASSERT_EQ(actual.size(), expected.size());
        for (size_t n = 0; n < expected.size(); ++n) {
            EXPECT_EQ(actual[n].kind, expected[n].kind) << "record " << n << ": " << expected[n].text;
            EXPECT_EQ(actual[n].text, expected[n].text) << "record " << n;
        }
    }

    // Every destination of a complete run with the source it must hold.
    static std::vector<std::pair<std::string, std::string>> Layout(const std::string& i, const char* model)
    {
        std::string m = model;
        return {
            {i + "\\options.lrd", "options.lrd"},       {i + "\\ptrext.dll", "ptrext.dll"},
            {i + "\\ptrctl32.exe", "ptrctl32.exe"},     {i + "\\POINTER.BMP", "POINTER.BMP"},
            {i + "\\options.dat", "options.dat"},       {i + "\\ptrHk32A.dll", "ptrHk32A.dll"},
            {i + "\\remove32.dll", "remove32.dll"},     {i + "\\remove16.exe", "remove16.exe"},
            {i + "\\brand.bmp", m + "\\brand.bmp"},     {i + "\\pdata.dat", m + "\\pdata.dat"},
            {i + "\\RES\\panel.ico", m + "\\res\\panel.ico"}, {i + "\\ptrRes.dll", "enu\\ptrRes.dll"},
            {i + "\\optlang.dll", "enu\\optlang.dll"}, {i + "\\options.ini", "enu\\options.ini"},
            {i + "\\remover.un2", "tx-00001\\remover.enu"}, {i + "\\remove00.exe", "remove00.exe"},
        };
    }

    ScratchFolder m_media{"media"};
    ScratchFolder m_start{"start"};
    ScratchFolder m_target{"target"};
};

TEST_F(CopySequenceTest, EveryFileLandsInItsPlaceForBothButtonModels)
{
    WriteProductFiles(m_media);
    m_start.WriteText(kDriverFileName, "the filter driver");
    struct Case {
        int buttonModel;
        const char* modelFolder;
    };
    for (const Case& c : {Case{1, "3D"}, Case{0, "4D"}}) {
        std::string install = m_target.Join(std::string("Install ") + c.modelFolder);
        Run(m_media.Path(), m_start.Path(), install, c.buttonModel);
        for (const auto& [destination, source] : Layout(install, c.modelFolder))
            EXPECT_EQ(ReadFileText(destination), ProductFileContents(source)) << destination;
        EXPECT_EQ(ReadFileText(InstalledDriverPath()), "the filter driver");
        ExpectSameLog(LogOf(install), CompleteLog(install));
        DeleteFileA(InstalledDriverPath().c_str());
    }
}

TEST_F(CopySequenceTest, TheLogIsTheExpectedBytes)
{
    WriteProductFiles(m_media);
    m_start.WriteText(kDriverFileName, "driver");
    std::string install = m_target.Join("I");
    Run(m_media.Path(), m_start.Path(), install, 1);
    std::vector<unsigned char> expected;
    for (const ExpectedRecord& record : CompleteLog(install)) {
        expected.push_back(record.kind);
        expected.insert(expected.end(), record.text.begin(), record.text.end());
        expected.push_back(0);
    }
    EXPECT_EQ(ReadFileBytes(install + "\\remove00.log"), expected);
}

TEST_F(CopySequenceTest, MissingSourcesLeaveOutTheirFilesAndRecordsOnly)
{
    struct Case {
        const char* label;
        std::set<std::string> omittedFromMedia;  // as ProductMediaFiles names them
        bool driverMissing;
        std::set<std::string> missingRecords;    // as CompleteLog names them
        std::set<std::string> missingFiles;      // below the install folder
    };
    const std::vector<Case> cases = {
        {"a main file", {"ptrext.dll"}, false, {"ptrext.dll"}, {"ptrext.dll"}},
        {"the driver", {}, true, {kDriverFileName}, {}},
        {"the uninstaller", {"remove00.exe"}, false, {"remove00.exe"}, {"remove00.exe"}},
        {"the 3D folder",
         {"3D\\brand.bmp", "3D\\pdata.dat", "3D\\res\\panel.ico"},
         false,
         {"model\\brand.bmp", "model\\pdata.dat", "model\\res\\panel.ico"},
         {"brand.bmp", "pdata.dat", "RES\\panel.ico"}},
        {"a support file", {"remove16.exe"}, false, {}, {"remove16.exe"}},
    };
    int n = 0;
    for (const Case& c : cases) {
        ScratchFolder media("media");
        ScratchFolder start("start");
        WriteProductFiles(media, c.omittedFromMedia);
        if (!c.driverMissing)
            start.WriteText(kDriverFileName, "driver");
        std::string install = m_target.Join("case" + std::to_string(n++));
        Run(media.Path(), start.Path(), install, 1);
        SCOPED_TRACE(c.label);
        ExpectSameLog(LogOf(install), CompleteLog(install, c.missingRecords));
        for (const auto& [destination, source] : Layout(install, "3D")) {
            std::string relative = destination.substr(install.size() + 1);
            if (c.missingFiles.count(relative))
                EXPECT_FALSE(PathExists(destination)) << destination;
            else
                EXPECT_EQ(ReadFileText(destination), ProductFileContents(source)) << destination;
        }
        EXPECT_EQ(PathExists(InstalledDriverPath()), !c.driverMissing);
        EXPECT_TRUE(IsFolder(install + "\\RES")) << "the resource folder is made even without its icon";
        DeleteFileA(InstalledDriverPath().c_str());
    }
}

TEST_F(CopySequenceTest, ALogThatCannotBeCreatedStillLetsEveryFileBeCopied)
{
    WriteProductFiles(m_media);
    std::string install = m_target.Join("I");
    MakeFolders(install + "\\remove00.log");  // a folder in the log's place
    Run(m_media.Path(), m_start.Path(), install, 0);
    EXPECT_TRUE(IsFolder(install + "\\remove00.log"));
    EXPECT_EQ(ReadFileText(install + "\\brand.bmp"), ProductFileContents("4D\\brand.bmp"));
    EXPECT_EQ(ReadFileText(install + "\\remove00.exe"), ProductFileContents("remove00.exe"));
}

// Install folders whose longest destinations end just below, at and beyond the
// 259 characters a path buffer holds.
TEST_F(CopySequenceTest, PathsThatDoNotFitAreSkippedNeverCut)
{
    WriteProductFiles(m_media);
    m_start.WriteText(kDriverFileName, "driver");
    for (size_t length : {246u, 247u, 248u}) {
        ScratchFolder target("t");
        std::string install = PathOfLength(target.Path(), length);
        ASSERT_EQ(install.size(), length);
        Run(m_media.Path(), m_start.Path(), install, 1);
        SCOPED_TRACE("install folder of " + std::to_string(length) + " characters");
        ASSERT_TRUE(IsFolder(install));
        for (const auto& [destination, source] : Layout(install, "3D")) {
            bool fits = destination.size() <= 259;
            EXPECT_EQ(PathExists(destination), fits) << destination.size() << " characters: " << destination;
            if (fits) {
                EXPECT_EQ(ReadFileText(destination), ProductFileContents(source));
            }
        }
        // No file was cut into a shorter name beside its own place.
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((install + "\\*").c_str(), &found);
        ASSERT_NE(search, INVALID_HANDLE_VALUE);
        std::set<std::string> names;
        do {
            names.insert(found.cFileName);
        } while (FindNextFileA(search, &found));
        FindClose(search);
        for (const std::string& name : names) {
            std::string full = install + "\\" + name;
            bool expected = name == "." || name == ".." || name == "RES" || name == "remove00.log";
            for (const auto& entry : Layout(install, "3D"))
                expected = expected || entry.first == full;
            EXPECT_TRUE(expected) << "unexpected file " << name;
        }
        bool logFits = length + 13 <= 259;
        EXPECT_EQ(PathExists(install + "\\remove00.log"), logFits);
        if (logFits)
            ExpectSameLog(LogOf(install), CompleteLog(install));
        DeleteFileA(InstalledDriverPath().c_str());
    }
}

TEST_F(CopySequenceTest, AMediaFolderAtTheLimitSkipsOnlyTheSourcesThatDoNotFit)
{
    // With a media folder of 247 characters, "\options.lrd" (12 characters) makes a source
    // of 259 and is copied; "\ptrctl32.exe" (13) makes 260 and is skipped.
    ScratchFolder base("m");
    std::string media = PathOfLength(base.Path(), 247);
    for (const std::string& file : ProductMediaFiles()) {
        std::string path = media + "\\" + file;
        if (path.size() <= 259) {
            MakeFolders(path.substr(0, path.find_last_of('\\')));
            HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
            ASSERT_NE(h, INVALID_HANDLE_VALUE) << path;
            std::string contents = ProductFileContents(file);
            DWORD written = 0;
            WriteFile(h, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr);
            CloseHandle(h);
        }
    }
    std::string install = m_target.Join("I");
    Run(media, m_start.Path(), install, 1);
    EXPECT_TRUE(PathExists(install + "\\options.lrd"));          // 247 + 12 = 259
    EXPECT_FALSE(PathExists(install + "\\ptrctl32.exe"));        // 247 + 13 = 260
    EXPECT_FALSE(PathExists(install + "\\ptrHk32A.dll"));
    EXPECT_FALSE(PathExists(install + "\\remove00.exe"));        // 260
    EXPECT_FALSE(PathExists(install + "\\remover.un2"));         // tx-00001\remover.enu: 268
    EXPECT_FALSE(PathExists(install + "\\brand.bmp"));           // 3D\brand.bmp: 260
    ExpectSameLog(LogOf(install), CompleteLog(install, {"ptrctl32.exe", "ptrHk32A.dll", kDriverFileName, "remove00.exe",
                                                        "model\\brand.bmp", "model\\pdata.dat",
                                                        "model\\res\\panel.ico", "enu\\ptrRes.dll",
                                                        "enu\\optlang.dll", "enu\\options.ini",
                                                        "tx-00001\\remover.enu"}));
    RemoveTree(media);
}

}  // namespace
