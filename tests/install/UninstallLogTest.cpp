// The uninstall log's records, its file's open mode, and the reader that checks logs.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "ScratchFolder.h"
#include "entry/SetupState.h"
#include "install/UninstallLog.h"
#include "install/UninstallLogReader.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes Record(unsigned char kind, const std::string& text)
{
    Bytes bytes(text.size() + 2, 0);
    bytes[0] = kind;
    for (size_t i = 0; i < text.size(); ++i)
        bytes[i + 1] = static_cast<unsigned char>(text[i]);
    return bytes;
}

class UninstallLogTest : public ::testing::Test {
protected:
    ~UninstallLogTest() override { CloseUninstallLog(); }
    std::string LogPath() const { return m_folder.Join("remove00.log"); }
    ScratchFolder m_folder{"log"};
};

TEST_F(UninstallLogTest, ARecordIsTheKindTheTextAndAZeroByte)
{
    ASSERT_TRUE(OpenUninstallLog(LogPath().c_str()));
    WriteLogRecord(LOG_FILE, "C:\\P\\a.dll");
    CloseUninstallLog();
    Bytes bytes = ReadFileBytes(LogPath());
    ASSERT_EQ(bytes.size(), 12u);
    EXPECT_EQ(bytes, Record(0xFF, "C:\\P\\a.dll"));
}

TEST_F(UninstallLogTest, EachKindHasItsByteAndAnEmptyTextIsTwoBytes)
{
    struct Case {
        BYTE kind;
        unsigned char expected;
        const char* name;
    };
    const Case cases[] = {
        {LOG_FILE, 0xFF, "LOG_FILE"},
        {LOG_FOLDER, 0xFE, "LOG_FOLDER"},
        {LOG_RUN_VALUE, 0xFD, "LOG_RUN_VALUE"},
        {LOG_PROGRAM_FOLDER, 0xFC, "LOG_PROGRAM_FOLDER"},
        {LOG_SHORTCUT, 0xFB, "LOG_SHORTCUT"},
        {LOG_UNINSTALL_KEY, 0xFA, "LOG_UNINSTALL_KEY"},
    };
    ASSERT_TRUE(OpenUninstallLog(LogPath().c_str()));
    for (const Case& c : cases)
        WriteLogRecord(c.kind, "");
    CloseUninstallLog();
    Bytes bytes = ReadFileBytes(LogPath());
    ASSERT_EQ(bytes.size(), 12u);
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(bytes[2 * i], cases[i].expected) << cases[i].name;
        EXPECT_EQ(bytes[2 * i + 1], 0) << cases[i].name;
        EXPECT_STREQ(UninstallLogKindName(cases[i].expected), cases[i].name);
    }
}

TEST_F(UninstallLogTest, TheLogIsCreatedAnewAndSharedWithNoOne)
{
    m_folder.WriteText("remove00.log", "an older log that is much longer than the new one");
    ASSERT_TRUE(OpenUninstallLog(LogPath().c_str()));
    HANDLE other = CreateFileA(LogPath().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(other, INVALID_HANDLE_VALUE) << "no other program opens the log while setup holds it";
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    if (other != INVALID_HANDLE_VALUE)
        CloseHandle(other);
    WriteLogRecord(LOG_FOLDER, "C:\\I");
    CloseUninstallLog();
    EXPECT_EQ(ReadFileBytes(LogPath()), Record(0xFE, "C:\\I")) << "an existing log is truncated";
}

TEST_F(UninstallLogTest, RecordsWithoutAnOpenLogAreNoOps)
{
    m_folder.MakeFolder("remove00.log");  // a folder where the log belongs: it cannot be created
    EXPECT_FALSE(OpenUninstallLog(LogPath().c_str()));
    EXPECT_FALSE(g_setup.m_logFile.IsOpen());
    WriteLogRecord(LOG_FILE, "C:\\nowhere");
    WriteLogRecord(LOG_FOLDER, nullptr);
    EXPECT_TRUE(IsFolder(LogPath()));
}

TEST(UninstallLogReader, ReadsEveryRecordInOrderWithItsOffset)
{
    Bytes log = Record(0xFF, "C:\\I\\a.dll");
    Bytes more = Record(0xFE, "C:\\I");
    log.insert(log.end(), more.begin(), more.end());
    Bytes empty = Record(0xFA, "");
    log.insert(log.end(), empty.begin(), empty.end());
    UninstallLogContents contents = ParseUninstallLog(log);
    EXPECT_FALSE(contents.damaged) << contents.fault;
    ASSERT_EQ(contents.records.size(), 3u);
    EXPECT_EQ(contents.records[0].kind, 0xFF);
    EXPECT_EQ(contents.records[0].text, "C:\\I\\a.dll");
    EXPECT_EQ(contents.records[0].offset, 0u);
    EXPECT_EQ(contents.records[1].text, "C:\\I");
    EXPECT_EQ(contents.records[1].offset, 12u);
    EXPECT_EQ(contents.records[2].text, "");
    EXPECT_EQ(contents.records[2].offset, 18u);
    EXPECT_TRUE(ParseUninstallLog({}).records.empty());
    EXPECT_FALSE(ParseUninstallLog({}).damaged);
}

TEST(UninstallLogReader, ReportsADamagedLogAtTheOffsetOfTheFault)
{
    struct Case {
        const char* label;
        Bytes bytes;
        size_t goodRecords;
        size_t faultOffset;
    };
    Bytes good = Record(0xFF, "C:\\a");  // 6 bytes
    auto after = [&](Bytes tail) {
        Bytes bytes = good;
        bytes.insert(bytes.end(), tail.begin(), tail.end());
        return bytes;
    };
    const Case cases[] = {
        {"truncated last record", after({0xFE, 'C', ':'}), 1, 6},
        {"kind byte alone at the end", after({0xFB}), 1, 6},
        {"unknown kind byte", after({0x41, 'x', 0}), 1, 6},
        {"zero kind byte", after({0x00}), 1, 6},
        {"damage at the start", {0xF9, 'a', 0}, 0, 0},
    };
    for (const Case& c : cases) {
        UninstallLogContents contents = ParseUninstallLog(c.bytes);
        EXPECT_TRUE(contents.damaged) << c.label;
        EXPECT_EQ(contents.records.size(), c.goodRecords) << c.label;
        EXPECT_EQ(contents.faultOffset, c.faultOffset) << c.label;
        EXPECT_FALSE(contents.fault.empty()) << c.label;
    }
}

}  // namespace
