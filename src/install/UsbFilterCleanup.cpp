#include "install/UsbFilterCleanup.h"

#include <windows.h>
#include <setupapi.h>
#include <mbstring.h>

#include <cstring>

#include "entry/SetupState.h"
#include "framework/BoundedString.h"
#include "install/LibraryFunctions.h"
#include "session/CRegistryKey.h"

namespace {

// GUID_DEVINTERFACE_USB_DEVICE
constexpr GUID kUsbDeviceInterface = {0xA5DCBF10, 0x6530, 0x11D2, {0x90, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x51, 0xED}};
constexpr DWORD kInterfaceTries = 128;
constexpr char kDeviceClassesKey[] = "System\\CurrentControlSet\\Control\\DeviceClasses\\";
constexpr char kLocalDevicePrefix[] = "\\\\.\\";
constexpr char kDriverFileName[] = "ptrfiltr.sys";

using DestroyDeviceInfoListProc = BOOL(WINAPI*)(HDEVINFO);
using GetDeviceInterfaceDetailProc = BOOL(WINAPI*)(HDEVINFO, PSP_DEVICE_INTERFACE_DATA,
                                                   PSP_DEVICE_INTERFACE_DETAIL_DATA_A, DWORD, PDWORD,
                                                   PSP_DEVINFO_DATA);
using EnumDeviceInterfacesProc = BOOL(WINAPI*)(HDEVINFO, PSP_DEVINFO_DATA, const GUID*, DWORD,
                                               PSP_DEVICE_INTERFACE_DATA);
using GetClassDevsProc = HDEVINFO(WINAPI*)(const GUID*, PCSTR, HWND, DWORD);

struct DeviceSetupLibrary {
    FARPROC destroyDeviceInfoList = nullptr;
    FARPROC getDeviceInterfaceDetail = nullptr;
    FARPROC enumDeviceInterfaces = nullptr;
    FARPROC getClassDevs = nullptr;
};

template <typename Proc>
Proc As(FARPROC address)
{
    return reinterpret_cast<Proc>(reinterpret_cast<void*>(address));
}

bool IsWindows9x()
{
    return g_setup.m_bWin95 || g_setup.m_bWin98 || g_setup.m_bWinMe;
}

bool ClassText(char* out, size_t capacity)
{
    const GUID& g = kUsbDeviceInterface;
    return FormatBounded(out, capacity, "{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                         static_cast<unsigned long>(g.Data1), g.Data2, g.Data3, g.Data4[0], g.Data4[1], g.Data4[2],
                         g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
}

// The device-class subkey of an interface: the path's "\\.\" becomes "##.#".
bool InterfaceSubkeyName(const char* devicePath, char* out, size_t capacity)
{
    if (strncmp(devicePath, kLocalDevicePrefix, 4) != 0)
        return false;
    return FormatBounded(out, capacity, "##.#%s", devicePath + 4);
}

// True when the first filter of a LowerFilters value is the product's driver.
bool FirstFilterIsOurDriver(const BYTE* filters)
{
    char first[MAX_PATH];
    CopyTruncated(first, sizeof first, reinterpret_cast<const char*>(filters));
    _mbslwr(reinterpret_cast<unsigned char*>(first));
    return strcmp(first, kDriverFileName) == 0;
}

void ClearDeviceFilters(const char* classText, const char* devicePath)
{
    char subkey[MAX_PATH];
    char classKey[2 * MAX_PATH];
    if (!InterfaceSubkeyName(devicePath, subkey, sizeof subkey) ||
        !FormatBounded(classKey, sizeof classKey, "%s%s\\%s", kDeviceClassesKey, classText, subkey))
        return;
    CRegistryKey registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    if (!registry.SelectKey(classKey, FALSE))
        return;
    CString instance = registry.ReadString("DeviceInstance", "");
    if (instance.IsEmpty())
        return;
    BYTE filters[MAX_PATH] = {};
    char hardwareKey[MAX_PATH];
    // When the hardware key cannot be selected the read below goes to the device-class key.
    if (FormatBounded(hardwareKey, sizeof hardwareKey, "Enum\\%s", instance.GetString()))
        (void)registry.SelectKey(hardwareKey, FALSE);
    if (registry.ReadBinary("LowerFilters", filters) == 0)
        return;
    if (FirstFilterIsOurDriver(filters))
        (void)registry.DeleteValue("LowerFilters");
}

void WalkUsbInterfaces(const DeviceSetupLibrary& library)
{
    char classText[64];
    if (!ClassText(classText, sizeof classText))
        return;
    HDEVINFO devices = As<GetClassDevsProc>(library.getClassDevs)(&kUsbDeviceInterface, nullptr, nullptr,
                                                                  DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    for (DWORD index = 0; index < kInterfaceTries; ++index) {
        SP_DEVICE_INTERFACE_DATA interfaceData = {};
        interfaceData.cbSize = sizeof interfaceData;
        if (!As<EnumDeviceInterfacesProc>(library.enumDeviceInterfaces)(devices, nullptr, &kUsbDeviceInterface,
                                                                         index, &interfaceData))
            continue;
        // 256 bytes: room for a device path of 251 characters and its terminator.
        alignas(SP_DEVICE_INTERFACE_DETAIL_DATA_A) BYTE detailBuffer[256] = {};
        auto* detail = reinterpret_cast<PSP_DEVICE_INTERFACE_DETAIL_DATA_A>(detailBuffer);
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
        if (!As<GetDeviceInterfaceDetailProc>(library.getDeviceInterfaceDetail)(
                devices, &interfaceData, detail, sizeof detailBuffer, nullptr, nullptr))
            continue;
        detailBuffer[sizeof detailBuffer - 1] = 0;
        ClearDeviceFilters(classText, detail->DevicePath);
    }
    (void)As<DestroyDeviceInfoListProc>(library.destroyDeviceInfoList)(devices);
}

}  // namespace

void ClearUsbLowerFiltersWith(const char* libraryPath)
{
    if (!IsWindows9x())
        return;
    DeviceSetupLibrary library;
    const LibraryFunction functions[] = {
        {&library.destroyDeviceInfoList, "SetupDiDestroyDeviceInfoList"},
        {&library.getDeviceInterfaceDetail, "SetupDiGetDeviceInterfaceDetailA"},
        {&library.enumDeviceInterfaces, "SetupDiEnumDeviceInterfaces"},
        {&library.getClassDevs, "SetupDiGetClassDevsA"},
    };
    HMODULE module = nullptr;
    if (LoadLibraryFunctions(&module, libraryPath, sizeof functions / sizeof functions[0], functions))
        WalkUsbInterfaces(library);
    if (module != nullptr)
        FreeLibrary(module);
}

void ClearUsbLowerFilters()
{
    if (!IsWindows9x())
        return;
    char path[MAX_PATH];
    if (SystemLibraryPath(path, sizeof path, "SETUPAPI.DLL"))
        ClearUsbLowerFiltersWith(path);
}
