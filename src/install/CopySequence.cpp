#include "install/CopySequence.h"

#include <windows.h>

#include <initializer_list>

#include "entry/SetupState.h"
#include "framework/BoundedString.h"
#include "install/ProductFiles.h"
#include "install/UninstallLog.h"

// Every path is built in a buffer of MAX_PATH characters. A path that does not fit is
// never cut into another one: the step that needs it is skipped like a failed copy.
namespace {

const char* Name(int index)
{
    return ProductFileName(index);
}

// Copies over an existing file; a successful copy is logged with its destination.
void CopyAndLog(const char* source, const char* destination)
{
    if (CopyFileA(source, destination, FALSE))
        WriteLogRecord(LOG_FILE, destination);
}

bool InstallPath(char* out, size_t capacity, const char* name)
{
    return FormatBounded(out, capacity, "%s\\%s", g_setup.m_szInstallDir, name);
}

bool MediaPath(char* out, size_t capacity, const char* name)
{
    return FormatBounded(out, capacity, "%s\\%s", g_setup.m_szSourceDir, name);
}

void CopyMainFiles()
{
    for (int index = kMainFirst; index <= kMainLast; ++index) {
        char source[MAX_PATH];
        char destination[MAX_PATH];
        if (!MediaPath(source, sizeof source, Name(index)) ||
            !InstallPath(destination, sizeof destination, Name(index)))
            continue;
        CreatePath(destination, TRUE);
        CopyAndLog(source, destination);
    }
}

void CopyFilterDriver()
{
    char windows[MAX_PATH];
    UINT length = GetWindowsDirectoryA(windows, sizeof windows);
    if (length == 0 || length >= sizeof windows)
        return;
    char source[MAX_PATH];
    char destination[MAX_PATH];
    if (!FormatBounded(source, sizeof source, "%s\\%s", g_setup.m_szStartDir, Name(kFilterDriver)) ||
        !FormatBounded(destination, sizeof destination, "%s\\system32\\Drivers\\%s", windows, Name(kFilterDriver)))
        return;
    CopyAndLog(source, destination);
}

void CopySupportFiles()
{
    for (int index : {kSupportRemove32, kSupportRemove16}) {
        char source[MAX_PATH];
        char destination[MAX_PATH];
        if (MediaPath(source, sizeof source, Name(index)) && InstallPath(destination, sizeof destination, Name(index)))
            (void)CopyFileA(source, destination, FALSE);  // support files are never logged
    }
}

// Copies rows first..last from a subfolder of the media (the model or language folder).
void CopyFromMediaFolder(const char* folder, int first, int last)
{
    for (int index = first; index <= last; ++index) {
        char source[MAX_PATH];
        char destination[MAX_PATH];
        if (!FormatBounded(source, sizeof source, "%s\\%s\\%s", g_setup.m_szSourceDir, folder, Name(index)) ||
            !InstallPath(destination, sizeof destination, Name(index)))
            continue;
        CopyAndLog(source, destination);
    }
}

void CopyUninstallerTexts()
{
    const char* language = g_setup.m_pszLanguageExt ? g_setup.m_pszLanguageExt : "";
    char source[MAX_PATH];
    char destination[MAX_PATH];
    if (!FormatBounded(source, sizeof source, "%s\\%s%s.%s", g_setup.m_szSourceDir, Name(kTextFolder),
                       Name(kUninstallerTextStem), language) ||
        !FormatBounded(destination, sizeof destination, "%s\\%s.un2", g_setup.m_szInstallDir,
                       Name(kUninstallerTextStem)))
        return;
    CopyAndLog(source, destination);
}

// The uninstaller is logged as the log's own path, so the uninstaller removes its log.
void CopyUninstaller()
{
    char source[MAX_PATH];
    char destination[MAX_PATH];
    char logPath[MAX_PATH];
    if (!MediaPath(source, sizeof source, Name(kUninstaller)) ||
        !InstallPath(destination, sizeof destination, Name(kUninstaller)) ||
        !InstallPath(logPath, sizeof logPath, Name(kUninstallLog)))
        return;
    if (CopyFileA(source, destination, FALSE))
        WriteLogRecord(LOG_FILE, logPath);
}

}  // namespace

const char* ButtonModelFolder(int buttonModel)
{
    return buttonModel ? "3D" : "4D";
}

void CopyProductFiles()
{
    CopyMainFiles();                                                     // 1
    CopyFilterDriver();                                                  // 2
    CopySupportFiles();                                                  // 3
    char resourceFolder[MAX_PATH];                                       // 4
    bool haveResourceFolder = InstallPath(resourceFolder, sizeof resourceFolder, "RES");
    if (haveResourceFolder)
        CreatePath(resourceFolder, FALSE);
    const char* modelFolder = ButtonModelFolder(g_setup.m_nButtonModel);  // 5
    CopyFromMediaFolder(modelFolder, kModelFirst, kModelLast);           // 6
    CopyFromMediaFolder(g_setup.m_pszLanguageExt ? g_setup.m_pszLanguageExt : "",  // 7
                        kLanguageFirst, kLanguageLast);
    if (haveResourceFolder)                                              // 8
        WriteLogRecord(LOG_FOLDER, resourceFolder);
    CopyUninstallerTexts();                                              // 9
    CopyUninstaller();                                                   // 10
    WriteLogRecord(LOG_FOLDER, g_setup.m_szInstallDir);                  // 11
}
