// Child program of the platform tests: runs the platform detection of a session in a
// process of its own (so that Wine's per-program Windows version applies) and prints
// what it found.
#include <cstdio>

#include "entry/SetupState.h"
#include "session/PlatformDetection.h"

int main()
{
    PlatformInfo info = {};
    BOOL queried = QueryPlatform(&info);
    DetectPlatform();
    const char* flag = "none";
    int set = 0;
    struct Named {
        BOOL value;
        const char* name;
    };
    const Named flags[] = {
        {g_setup.m_bWin95, "Win95"}, {g_setup.m_bWin98, "Win98"},   {g_setup.m_bWinMe, "WinMe"},
        {g_setup.m_bWinXP, "WinXP"}, {g_setup.m_bWinNT5, "WinNT5"}, {g_setup.m_bWinNTOther, "WinNTOther"},
    };
    for (const Named& f : flags) {
        if (f.value) {
            flag = f.name;
            ++set;
        }
    }
    printf("flag=%s flags_set=%d queried=%d version=%lu.%lu.%lu class=%d edition=%d\n", flag, set, queried,
           info.m_dwMajorVersion, info.m_dwMinorVersion, info.m_dwBuildNumber, info.m_nPlatformClass,
           info.m_nEditionClass);
    return 0;
}
