#include "SessionFixture.h"

#include <atomic>
#include <cstdlib>
#include <thread>

#include "entry/SetupSession.h"
#include "entry/SetupState.h"

namespace {

constexpr char kRunKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kUninstallKey[] = "Software\\Microsoft\\windows\\CurrentVersion\\Uninstall\\Test Wheel Mouse";

}  // namespace

SessionFixture::SessionFixture()
    : m_run(HKEY_LOCAL_MACHINE, kRunKey),
      m_product(HKEY_LOCAL_MACHINE, "Software\\QUILLONWheel"),
      m_counts(HKEY_LOCAL_MACHINE, "SOFTWARE\\MORVASETUP"),
      m_uninstall(HKEY_LOCAL_MACHINE, kUninstallKey)
{
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof current, current);
    m_previousFolder = current;
    // The filter driver is taken from the folder the session starts in.
    SetCurrentDirectoryA(m_start.Path().c_str());
    m_start.WriteText(kDriverFileName, "driver");
    RemoveTree(DefaultDestination());
    RemoveTree(ProgramsFolder() + "\\Test Wheel Mouse");
    DeleteFileA(InstalledDriverPath().c_str());
    // The button model is kept from one call to the next in a process; each test starts
    // as a fresh process would.
    g_setup.m_nButtonModel = 0;
}

SessionFixture::~SessionFixture()
{
    SetCurrentDirectoryA(m_previousFolder.c_str());
    RemoveTree(DefaultDestination());
    RemoveTree(ProgramsFolder() + "\\Test Wheel Mouse");
    for (const std::string& folder : m_createdFolders)
        RemoveTree(folder);
    DeleteFileA(InstalledDriverPath().c_str());
}

void SessionFixture::WriteCompleteMedia()
{
    m_media.WriteConfig(StandardConfig());
    m_media.WriteLanguageFile(NamedTexts());
    WriteProductFiles(m_media);
}

int SessionFixture::RunSessionOn(const std::string& mediaFolder, const Scenario& scenario)
{
    std::atomic<bool> scenarioDone{false};
    bool scenarioPassed = false;
    DWORD uiThread = GetCurrentThreadId();
    std::thread robotThread([&] {
        SetupRobot robot(uiThread);
        scenarioPassed = scenario(robot);
        scenarioDone = true;
        if (!scenarioPassed)
            robot.Rescue();
    });
    int exitCode = RunSetupSession(mediaFolder.c_str());
    robotThread.join();
    EXPECT_TRUE(scenarioPassed) << "the robot did not find what it expected";
    return exitCode;
}

std::string SessionFixture::DefaultDestination()
{
    return testreg::ReadString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir") +
           "\\TestWheel";
}

std::string SessionFixture::ProgramsFolder()
{
    return testreg::ReadString(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                               "Programs");
}

void SessionFixture::ExpectNothingInstalled() const
{
    EXPECT_FALSE(PathExists(DefaultDestination()));
    EXPECT_FALSE(PathExists(ProgramsFolder() + "\\Test Wheel Mouse"));
    EXPECT_FALSE(PathExists(InstalledDriverPath()));
    EXPECT_FALSE(testreg::KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
    EXPECT_FALSE(testreg::KeyExists(HKEY_LOCAL_MACHINE, "Software\\QUILLONWheel"));
    EXPECT_FALSE(testreg::ValueExists(HKEY_LOCAL_MACHINE, kRunKey, "FLMQUILLONWHEEL"));
}

std::string ScreenshotFolder()
{
    const char* folder = getenv("SETUP_SCREENSHOT_DIR");
    if (folder == nullptr || folder[0] == '\0')
        return "";
    MakeFolders(folder);
    return folder;
}

bool SaveWindowImage(HWND window, const std::string& path)
{
    RECT windowArea;
    RECT screenArea = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT area;
    // A maximized window reaches past the screen's edges; only the screen can be copied.
    if (!GetWindowRect(window, &windowArea) || !IntersectRect(&area, &windowArea, &screenArea))
        return false;
    int width = area.right - area.left;
    int height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return false;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BOOL copied = BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    DWORD rowBytes = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    DWORD imageBytes = rowBytes * static_cast<DWORD>(height);
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + imageBytes;
    info.bmiHeader.biSizeImage = imageBytes;
    bool written = false;
    if (copied && bits != nullptr) {
        FILE* out = fopen(path.c_str(), "wb");
        if (out != nullptr) {
            written = fwrite(&file, sizeof file, 1, out) == 1 && fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1 &&
                      fwrite(bits, 1, imageBytes, out) == imageBytes;
            written = fclose(out) == 0 && written;
        }
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return written;
}
