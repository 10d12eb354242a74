# Compile and link settings shared by every target of this tree.

# ANSI Win32 throughout: no UNICODE. The version macros expose the declarations the
# system uses; what runs on each Windows is decided at run time, not by these.
set(SETUP_WIN32_DEFINITIONS STRICT WINVER=0x0501 _WIN32_WINNT=0x0501 _WIN32_IE=0x0501)

set(SETUP_WARNINGS -Wall -Wextra -Wshadow -Wformat=2 -Wformat-security -Wnon-virtual-dtor
                   -Wcast-align -Wmissing-declarations -Wundef)
if(SETUP_WERROR)
  list(APPEND SETUP_WARNINGS -Werror)
endif()

# Settings of the system's own code: warnings, no exceptions.
function(setup_system_target target)
  target_compile_definitions(${target} PUBLIC ${SETUP_WIN32_DEFINITIONS})
  target_compile_options(${target} PRIVATE ${SETUP_WARNINGS}
                         $<$<COMPILE_LANGUAGE:CXX>:-fno-exceptions>)
endfunction()

# Every program and library links its run time statically, so that it imports
# system DLLs only.
function(setup_static_runtime target)
  target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
endfunction()
