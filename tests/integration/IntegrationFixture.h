#pragma once
// A session as the shell and registry steps find it after the worker: configuration,
// texts, an install folder with its open log, and the registry keys they write
// removed before and after.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MediaFixture.h"
#include "TestRegistry.h"
#include "entry/SetupState.h"
#include "framework/BoundedString.h"
#include "install/UninstallLog.h"
#include "install/UninstallLogReader.h"
#include "session/ProductConfig.h"
#include "text/TextTable.h"

class IntegrationFixture : public ::testing::Test {
protected:
    IntegrationFixture()
        : m_run(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run"),
          m_product(HKEY_LOCAL_MACHINE, "Software\\QUILLONWheel"),
          m_counts(HKEY_LOCAL_MACHINE, "SOFTWARE\\MORVASETUP"),
          m_uninstall(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\windows\\CurrentVersion\\Uninstall\\Test Wheel Mouse")
    {
        CopyBounded(g_setup.m_szSourceDir, sizeof g_setup.m_szSourceDir, m_media.Path().c_str());
        g_setup.m_pszLanguageExt = "enu";
        SetInstallFolder(m_install.Join("Test Wheel"));
    }
    ~IntegrationFixture() override
    {
        CloseUninstallLog();
        ReleaseTexts();
        ReleaseProductConfig();
    }

    void SetInstallFolder(const std::string& folder)
    {
        CopyBounded(g_setup.m_szInstallDir, sizeof g_setup.m_szInstallDir, folder.c_str());
        MakeFolders(folder);
    }
    // Loads the configuration and texts and opens the log as the worker leaves them.
    void Begin(const std::vector<IniEntry>& config, const std::vector<IniEntry>& texts = NamedTexts())
    {
        m_media.WriteLanguageFile(texts);
        LoadTexts();
        Reconfigure(config);
        ASSERT_TRUE(OpenInstallFolderLog());
    }
    // Loads another configuration; the install folder stays the one the test chose.
    void Reconfigure(const std::vector<IniEntry>& config)
    {
        m_media.WriteConfig(config);
        LoadProductConfig();
        SetInstallFolder(InstallFolder());
    }
    std::string InstallFolder() const { return m_installPath.empty() ? m_install.Join("Test Wheel") : m_installPath; }
    // An install folder of exactly length characters.
    void UseInstallFolderOfLength(size_t length)
    {
        m_installPath = m_install.Join(std::string(length - m_install.Path().size() - 1, 'i'));
    }

    std::vector<UninstallLogRecord> LogRecords()
    {
        CloseUninstallLog();
        UninstallLogContents contents = ParseUninstallLog(ReadFileBytes(std::string(g_setup.m_szInstallDir) +
                                                                        "\\remove00.log"));
        EXPECT_FALSE(contents.damaged) << contents.fault;
        return contents.records;
    }

    MediaFixture m_media;
    ScratchFolder m_install{"install"};
    testreg::ScopedKey m_run;
    testreg::ScopedKey m_product;
    testreg::ScopedKey m_counts;
    testreg::ScopedKey m_uninstall;

protected:
    std::string m_installPath;
};
