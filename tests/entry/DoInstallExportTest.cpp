// DOINSTALL through the library's export, the way a launcher calls it.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "MediaFixture.h"
#include "ScratchFolder.h"

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

TEST_F(DoInstallExport, RunsASessionOnAnEmptyMediaFolder)
{
    MediaFixture media;
    EXPECT_EQ(m_doInstall(media.Path().c_str()), 0);
    EXPECT_EQ(m_doInstall(media.Path().c_str()), 0) << "a second call in the same process";
}

}  // namespace
