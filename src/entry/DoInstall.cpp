// The library's one export.
#include "entry/SetupSession.h"

extern "C" int WINAPI DOINSTALL(const char* mediaFolder);

extern "C" int WINAPI DOINSTALL(const char* mediaFolder)
{
    return RunSetupSession(mediaFolder);
}
