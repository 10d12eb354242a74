// Stands in for the system's device set-up library: serves a scripted set of USB device
// interfaces through the four functions the USB filter cleanup uses, and counts calls.
// This library defines the functions the header declares as imports.
#define _SETUPAPI_
#include <windows.h>
#include <setupapi.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<std::string> g_paths;
std::vector<int> g_unreadable;  // indexes whose enumeration fails
int g_classDevsCalls = 0;
int g_enumCalls = 0;
int g_destroyCalls = 0;
int g_detailsServed = 0;
DWORD g_highestIndexAsked = 0;
const HDEVINFO kDeviceSet = reinterpret_cast<HDEVINFO>(static_cast<LONG_PTR>(0x5E7));

bool IsUnreadable(DWORD index)
{
    for (int unreadable : g_unreadable) {
        if (static_cast<DWORD>(unreadable) == index)
            return true;
    }
    return false;
}

}  // namespace

#define FAKE_EXPORT extern "C" __declspec(dllexport)

FAKE_EXPORT void WINAPI FakeSetupApi_Script(const char* const* paths, int count, const int* unreadable,
                                            int unreadableCount)
{
    g_paths.assign(paths, paths + count);
    g_unreadable.assign(unreadable, unreadable + unreadableCount);
    g_classDevsCalls = g_enumCalls = g_destroyCalls = g_detailsServed = 0;
    g_highestIndexAsked = 0;
}

FAKE_EXPORT int WINAPI FakeSetupApi_Calls(int which)
{
    switch (which) {
    case 0: return g_classDevsCalls;
    case 1: return g_enumCalls;
    case 2: return g_destroyCalls;
    case 4: return g_detailsServed;
    default: return static_cast<int>(g_highestIndexAsked);
    }
}

FAKE_EXPORT HDEVINFO WINAPI SetupDiGetClassDevsA(const GUID* classGuid, PCSTR, HWND, DWORD flags)
{
    ++g_classDevsCalls;
    static const GUID usb = {0xA5DCBF10, 0x6530, 0x11D2, {0x90, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x51, 0xED}};
    if (classGuid == nullptr || memcmp(classGuid, &usb, sizeof usb) != 0 ||
        flags != (DIGCF_PRESENT | DIGCF_DEVICEINTERFACE)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    return kDeviceSet;
}

FAKE_EXPORT BOOL WINAPI SetupDiEnumDeviceInterfaces(HDEVINFO set, PSP_DEVINFO_DATA, const GUID*, DWORD index,
                                                    PSP_DEVICE_INTERFACE_DATA data)
{
    ++g_enumCalls;
    if (index > g_highestIndexAsked)
        g_highestIndexAsked = index;
    if (set != kDeviceSet || data == nullptr || data->cbSize != sizeof(SP_DEVICE_INTERFACE_DATA) ||
        index >= g_paths.size() || IsUnreadable(index)) {
        SetLastError(ERROR_NO_MORE_ITEMS);
        return FALSE;
    }
    data->Reserved = static_cast<ULONG_PTR>(index);
    return TRUE;
}

FAKE_EXPORT BOOL WINAPI SetupDiGetDeviceInterfaceDetailA(HDEVINFO set, PSP_DEVICE_INTERFACE_DATA data,
                                                         PSP_DEVICE_INTERFACE_DETAIL_DATA_A detail, DWORD size,
                                                         PDWORD required, PSP_DEVINFO_DATA)
{
    if (set != kDeviceSet || data == nullptr || data->Reserved >= g_paths.size())
        return FALSE;
    const std::string& path = g_paths[data->Reserved];
    DWORD needed = static_cast<DWORD>(offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_A, DevicePath) + path.size() + 1);
    if (required)
        *required = needed;
    if (detail == nullptr || detail->cbSize != sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A)) {
        SetLastError(ERROR_INVALID_USER_BUFFER);
        return FALSE;
    }
    if (size < needed) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    memcpy(detail->DevicePath, path.c_str(), path.size() + 1);
    ++g_detailsServed;
    return TRUE;
}

FAKE_EXPORT BOOL WINAPI SetupDiDestroyDeviceInfoList(HDEVINFO set)
{
    ++g_destroyCalls;
    return set == kDeviceSet;
}

// Leaves "<its own path>.loaded" behind, so a test can tell whether a copy was loaded.
BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        char path[MAX_PATH] = {};
        DWORD length = GetModuleFileNameA(module, path, sizeof path);
        if (length > 0 && length + 8 < sizeof path) {
            strcat(path, ".loaded");
            HANDLE marker = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
            if (marker != INVALID_HANDLE_VALUE)
                CloseHandle(marker);
        }
    }
    return TRUE;
}
