#pragma once
// Classifies the running Windows once per session into at most one of the six
// platform flags of the session state.
#include <windows.h>

struct PlatformInfo {
    DWORD m_dwMajorVersion;
    DWORD m_dwMinorVersion;
    DWORD m_dwBuildNumber;  // low 16 bits of the system's build number
    int m_nPlatformClass;
    int m_nEditionClass;
};

// Family and product type classes of PlatformInfo.
enum PlatformClass : int {
    kClassWin32s = 0,
    kClassWin9x = 1,
    kClassNtWorkstation = 2,
    kClassNtServer = 6,
    kClassNtDomainServerLanman = 7,
    kClassNtDomainServerLansec = 8,
    kClassWindowsCe = 9,
    kClassTerminalServer = 10,
    kClassEnterprise = 11,
};

// The one flag a platform record sets.
enum class PlatformFlag { None, Win95, Win98, WinMe, WinXP, WinNT5, WinNTOther };

// Nonzero when the NT product suite lists a suite whose name contains suiteName,
// compared without regard to case.
BOOL HasProductSuite(const char* suiteName);
// Reads the NT product type into platformClass (2, 6, 7 or 8); nonzero on success.
BOOL ReadProductType(int* platformClass);
// Fills info from the version functions and, on the NT family, the registry.
BOOL QueryPlatform(PlatformInfo* info);
// The decision from record to flag.
PlatformFlag DecidePlatform(const PlatformInfo& info);
// Clears the six flags of the session state and sets the one the running system gives.
void DetectPlatform();
