# The shipped product: a 32-bit DLL. Nothing 32-bit runs on these machines, so this
# build is only checked statically (exports, imports, calling convention).
# The win32 thread model: the posix one links a thread library that imports functions
# of Windows XP and Vista, so the DLL would not even load on the systems it serves.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER   ${MINGW_PREFIX}-gcc-win32)
set(CMAKE_CXX_COMPILER ${MINGW_PREFIX}-g++-win32)
set(CMAKE_RC_COMPILER  ${MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
