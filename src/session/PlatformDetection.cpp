#include "session/PlatformDetection.h"

#include <mbstring.h>

#include <cstdlib>
#include <cstring>

#include "entry/SetupState.h"

namespace {

constexpr char kProductOptionsKey[] = "System\\CurrentControlSet\\Control\\ProductOptions";
constexpr DWORD kVersionInfoSize = 148;  // OSVERSIONINFOA

struct ProductTypeRow {
    const char* name;
    int platformClass;
};

constexpr ProductTypeRow kProductTypes[] = {
    {"WINNT", kClassNtWorkstation},
    {"SERVERNT", kClassNtServer},
    {"LANMANNT", kClassNtDomainServerLanman},
    {"LANSECNT", kClassNtDomainServerLansec},
};

class ProductOptionsKey {
public:
    ProductOptionsKey() { m_bOpen = RegOpenKeyA(HKEY_LOCAL_MACHINE, kProductOptionsKey, &m_hKey) == ERROR_SUCCESS; }
    ~ProductOptionsKey() { if (m_bOpen) RegCloseKey(m_hKey); }
    ProductOptionsKey(const ProductOptionsKey&) = delete;
    ProductOptionsKey& operator=(const ProductOptionsKey&) = delete;
    bool IsOpen() const { return m_bOpen; }
    HKEY Get() const { return m_hKey; }

private:
    HKEY m_hKey = nullptr;
    bool m_bOpen = false;
};

// A heap buffer released when it goes out of scope.
class HeapBytes {
public:
    explicit HeapBytes(size_t size) : m_pData(static_cast<unsigned char*>(calloc(size + 1, 1))) {}
    ~HeapBytes() { free(m_pData); }
    HeapBytes(const HeapBytes&) = delete;
    HeapBytes& operator=(const HeapBytes&) = delete;
    unsigned char* Get() const { return m_pData; }

private:
    unsigned char* m_pData;
};

// Walks a multi-string of upper-cased suites for one containing the upper-cased name.
bool MultiStringContains(unsigned char* suites, DWORD size, const unsigned char* upperName)
{
    unsigned char* end = suites + size;
    for (unsigned char* entry = suites; entry < end && *entry != '\0';
         entry += strlen(reinterpret_cast<char*>(entry)) + 1) {
        _mbsupr(entry);
        if (_mbsstr(entry, upperName) != nullptr)
            return true;
    }
    return false;
}

PlatformFlag DecideWin9x(DWORD major, DWORD minor, DWORD build)
{
    if (major == 4 && minor == 0 && build == 950)
        return PlatformFlag::Win95;
    if (major == 4 && build >= 951 && build <= 1080)
        return PlatformFlag::Win95;
    if (major == 4 && minor < 10 && build >= 1081)
        return PlatformFlag::Win95;
    if (major == 4 && minor == 10 && build == 1998)
        return PlatformFlag::Win98;
    if (major == 4 && minor == 10 && build >= 1999 && build <= 2182)
        return PlatformFlag::Win98;
    bool laterRelease = major > 4 || (major == 4 && build >= 2183);
    if (laterRelease && build == 2222)
        return PlatformFlag::Win98;
    if (laterRelease && build == 3000)
        return PlatformFlag::WinMe;
    return PlatformFlag::None;
}

PlatformFlag DecideNt(const PlatformInfo& info)
{
    bool plainEdition = info.m_nEditionClass == kClassNtWorkstation || info.m_nEditionClass == kClassNtServer ||
                        info.m_nEditionClass == kClassNtDomainServerLanman ||
                        info.m_nEditionClass == kClassNtDomainServerLansec;
    if (plainEdition && info.m_dwMajorVersion == 5)
        return info.m_dwBuildNumber == 2600 ? PlatformFlag::WinXP : PlatformFlag::WinNT5;
    return PlatformFlag::WinNTOther;
}

void SetPlatformFlag(PlatformFlag flag)
{
    g_setup.m_bWin95 = flag == PlatformFlag::Win95;
    g_setup.m_bWin98 = flag == PlatformFlag::Win98;
    g_setup.m_bWinMe = flag == PlatformFlag::WinMe;
    g_setup.m_bWinXP = flag == PlatformFlag::WinXP;
    g_setup.m_bWinNT5 = flag == PlatformFlag::WinNT5;
    g_setup.m_bWinNTOther = flag == PlatformFlag::WinNTOther;
}

}  // namespace

BOOL HasProductSuite(const char* suiteName)
{
    if (GetVersion() & 0x80000000u)
        return 0;
    ProductOptionsKey key;
    if (!key.IsOpen())
        return 0;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key.Get(), "ProductSuite", nullptr, &type, nullptr, &size) != ERROR_SUCCESS || size == 0)
        return 0;
    // One zero byte more than the value, so the walk ends even on a list stored
    // without its final empty string.
    HeapBytes suites(size + 1);
    if (suites.Get() == nullptr)
        return 0;
    if (RegQueryValueExA(key.Get(), "ProductSuite", nullptr, &type, suites.Get(), &size) != ERROR_SUCCESS ||
        type != REG_MULTI_SZ)
        return 0;
    HeapBytes upperName(strlen(suiteName));
    if (upperName.Get() == nullptr)
        return 0;
    memcpy(upperName.Get(), suiteName, strlen(suiteName));
    _mbsupr(upperName.Get());
    return MultiStringContains(suites.Get(), size, upperName.Get()) ? 1 : 0;
}

BOOL ReadProductType(int* platformClass)
{
    ProductOptionsKey key;
    if (!key.IsOpen())
        return 0;
    unsigned char type[101] = {};
    DWORD size = 100;
    if (RegQueryValueExA(key.Get(), "ProductType", nullptr, nullptr, type, &size) != ERROR_SUCCESS)
        return 0;
    for (const ProductTypeRow& row : kProductTypes) {
        if (_mbsicmp(type, reinterpret_cast<const unsigned char*>(row.name)) == 0) {
            *platformClass = row.platformClass;
            return 1;
        }
    }
    return 0;
}

BOOL QueryPlatform(PlatformInfo* info)
{
    HMODULE kernel = GetModuleHandleA("KERNEL32.DLL");
    if (kernel == nullptr)
        return FALSE;
    using GetVersionExProc = BOOL(WINAPI*)(OSVERSIONINFOA*);
    auto getVersionEx = reinterpret_cast<GetVersionExProc>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "GetVersionExA")));

    if (getVersionEx == nullptr) {
        // Early NT: only GetVersion, and the product type from the registry.
        DWORD version = GetVersion();
        info->m_dwMajorVersion = version & 0xFF;
        info->m_dwMinorVersion = (version >> 8) & 0xFF;
        info->m_dwBuildNumber = 0;
        info->m_nPlatformClass = info->m_nEditionClass = kClassNtWorkstation;
        int productClass = kClassNtWorkstation;
        if (!ReadProductType(&productClass))
            return FALSE;
        info->m_nPlatformClass = info->m_nEditionClass = productClass;
        return TRUE;
    }

    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = kVersionInfoSize;
    if (!getVersionEx(&version))
        return FALSE;
    info->m_dwMajorVersion = version.dwMajorVersion;
    info->m_dwMinorVersion = version.dwMinorVersion;
    info->m_dwBuildNumber = version.dwBuildNumber & 0xFFFF;
    switch (version.dwPlatformId) {
    case 0: info->m_nPlatformClass = kClassWin32s; break;
    case 1: info->m_nPlatformClass = kClassWin9x; break;
    case 2: info->m_nPlatformClass = kClassNtWorkstation; break;
    case 3: info->m_nPlatformClass = kClassWindowsCe; break;
    default: return FALSE;
    }
    info->m_nEditionClass = info->m_nPlatformClass;

    if (version.dwPlatformId == 2) {
        if (HasProductSuite("Terminal Server")) {
            info->m_nEditionClass = kClassTerminalServer;
            return TRUE;
        }
        if (HasProductSuite("Enterprise")) {
            info->m_nPlatformClass = info->m_nEditionClass = kClassEnterprise;
            return TRUE;
        }
        int productClass = kClassNtWorkstation;
        if (ReadProductType(&productClass))
            info->m_nPlatformClass = info->m_nEditionClass = productClass;
    }
    return TRUE;
}

PlatformFlag DecidePlatform(const PlatformInfo& info)
{
    switch (info.m_nPlatformClass) {
    case kClassWin9x:
        return DecideWin9x(info.m_dwMajorVersion, info.m_dwMinorVersion, info.m_dwBuildNumber);
    case kClassNtWorkstation:
    case kClassNtServer:
    case kClassNtDomainServerLanman:
    case kClassNtDomainServerLansec:
        return DecideNt(info);
    case kClassEnterprise:
        return PlatformFlag::WinNTOther;
    default:
        return PlatformFlag::None;
    }
}

void DetectPlatform()
{
    SetPlatformFlag(PlatformFlag::None);
    PlatformInfo info = {};
    if (!QueryPlatform(&info))
        return;
    SetPlatformFlag(DecidePlatform(info));
}
