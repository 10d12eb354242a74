#include "install/UninstallLog.h"

#include <cstring>

#include "entry/SetupState.h"
#include "framework/BoundedString.h"
#include "install/ProductFiles.h"

namespace {
const BYTE kRecordEnd = 0;
}

bool OpenUninstallLog(const char* path)
{
    return g_setup.m_logFile.Open(path, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary |
                                            CFile::shareExclusive);
}

bool OpenInstallFolderLog()
{
    char path[MAX_PATH];
    if (!FormatBounded(path, sizeof path, "%s\\%s", g_setup.m_szInstallDir, ProductFileName(kUninstallLog)))
        return false;
    return OpenUninstallLog(path);
}

void WriteLogRecord(BYTE kind, const char* text)
{
    const char* record = text ? text : "";
    g_setup.m_nLogRecordKind = kind;
    (void)g_setup.m_logFile.Write(&g_setup.m_nLogRecordKind, 1);
    (void)g_setup.m_logFile.Write(record, static_cast<DWORD>(strlen(record)));
    (void)g_setup.m_logFile.Write(&kRecordEnd, 1);
}

void CloseUninstallLog()
{
    g_setup.m_logFile.Close();
}
