// The library's images as the resources hold them, and the clip playing in a real
// animation control.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>

#include "framework/CWinApp.h"
#include "resources/resource.h"

namespace {

struct ResourceBytes {
    const unsigned char* data = nullptr;
    DWORD size = 0;
};

ResourceBytes Resource(const char* type, UINT id)
{
    HMODULE module = CWinApp::ResourceModule();
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), type);
    if (found == nullptr)
        return {};
    return {static_cast<const unsigned char*>(LockResource(LoadResource(module, found))), SizeofResource(module, found)};
}

template <typename T>
T At(const ResourceBytes& bytes, size_t offset)
{
    T value;
    memcpy(&value, bytes.data + offset, sizeof value);
    return value;
}

// The offset of the first chunk with this four-character code, or 0.
size_t FindChunk(const ResourceBytes& bytes, const char* fourcc)
{
    for (size_t at = 12; at + 8 <= bytes.size; ++at) {
        if (memcmp(bytes.data + at, fourcc, 4) == 0)
            return at;
    }
    return 0;
}

TEST(Resources, TheIconGroupHasOne32By32ImageOf16Colours)
{
    ResourceBytes group = Resource(reinterpret_cast<const char*>(RT_GROUP_ICON), IDI_SETUP);
    ASSERT_NE(group.data, nullptr);
    EXPECT_EQ(At<WORD>(group, 4), 1) << "images in the group";
    EXPECT_EQ(group.data[6], 32);
    EXPECT_EQ(group.data[7], 32);
    EXPECT_EQ(group.data[8], 16) << "colours";
    HICON icon = static_cast<HICON>(LoadImageA(CWinApp::ResourceModule(), MAKEINTRESOURCEA(IDI_SETUP), IMAGE_ICON, 0, 0,
                                               LR_DEFAULTSIZE));
    ASSERT_NE(icon, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP mask = {};
    GetObjectA(info.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(mask.bmWidth, 32);
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
    DestroyIcon(icon);
}

TEST(Resources, TheSidePictureIs121By262With24BitsAPixel)
{
    ResourceBytes bitmap = Resource(reinterpret_cast<const char*>(RT_BITMAP), IDB_SIDE_PICTURE);
    ASSERT_NE(bitmap.data, nullptr);
    BITMAPINFOHEADER header = At<BITMAPINFOHEADER>(bitmap, 0);
    EXPECT_EQ(header.biWidth, 121);
    EXPECT_EQ(header.biHeight, 262);
    EXPECT_EQ(header.biBitCount, 24);
    EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));
}

TEST(Resources, TheClipIs17RleFramesOf260By40At100Milliseconds)
{
    ResourceBytes clip = Resource("AVI", IDR_COPY_CLIP);
    ASSERT_NE(clip.data, nullptr);
    ASSERT_GT(clip.size, 200u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(clip.data), 4), "RIFF");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(clip.data) + 8, 4), "AVI ");
    size_t avih = FindChunk(clip, "avih");
    ASSERT_NE(avih, 0u);
    EXPECT_EQ(At<DWORD>(clip, avih + 8), 100000u) << "microseconds a frame";
    EXPECT_EQ(At<DWORD>(clip, avih + 8 + 16), 17u) << "frames";
    EXPECT_EQ(At<DWORD>(clip, avih + 8 + 32), 260u) << "width";
    EXPECT_EQ(At<DWORD>(clip, avih + 8 + 36), 40u) << "height";
    size_t strf = FindChunk(clip, "strf");
    ASSERT_NE(strf, 0u);
    BITMAPINFOHEADER format = At<BITMAPINFOHEADER>(clip, strf + 8);
    EXPECT_EQ(format.biBitCount, 8);
    EXPECT_EQ(format.biCompression, static_cast<DWORD>(BI_RLE8));
    size_t frames = 0;
    for (size_t at = FindChunk(clip, "movi"); at + 4 <= clip.size; ++at)
        frames += memcmp(clip.data + at, "00dc", 4) == 0;
    EXPECT_EQ(frames, 17u * 2) << "each frame's chunk and its index entry";
}

TEST(Resources, TheClipOpensAndPlaysInAnAnimationControl)
{
    InitCommonControls();
    HWND host = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 300, 60, nullptr, nullptr, nullptr, nullptr);
    HWND animation = CreateWindowExA(0, ANIMATE_CLASSA, "", WS_CHILD | WS_VISIBLE | ACS_CENTER | ACS_TRANSPARENT, 0, 0,
                                     280, 50, host, nullptr, nullptr, nullptr);
    ASSERT_NE(animation, nullptr);
    EXPECT_TRUE(SendMessageA(animation, ACM_OPENA, reinterpret_cast<WPARAM>(CWinApp::ResourceModule()),
                             reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(IDR_COPY_CLIP))))
        << "the control accepts the clip";
    EXPECT_TRUE(SendMessageA(animation, ACM_PLAY, static_cast<WPARAM>(-1), MAKELPARAM(0, -1)));
    MSG message;
    DWORD start = GetTickCount();
    while (GetTickCount() - start < 300) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        Sleep(10);
    }
    EXPECT_TRUE(SendMessageA(animation, ACM_STOP, 0, 0));
    EXPECT_FALSE(SendMessageA(animation, ACM_OPENA, reinterpret_cast<WPARAM>(CWinApp::ResourceModule()),
                              reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(999))))
        << "a clip that is not there is refused: the check above means something";
    DestroyWindow(host);
}

}  // namespace
