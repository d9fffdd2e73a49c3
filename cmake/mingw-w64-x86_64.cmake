# Cross build for 64-bit Windows with Debian's mingw-w64 compiler (package g++-mingw-w64-x86-64-posix).
# The posix thread model, whose libstdc++ has the whole thread support library. The compiler's runtime
# is linked as DLLs, as Qt's are: one C++ runtime in the process, shipped beside the program.
# Qt for Windows (scripts/windows-qt) is found through CMAKE_PREFIX_PATH.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triplet}-windres)

# Packages and libraries only from the Windows side: the compiler's own tree and the given prefixes.
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triplet} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
