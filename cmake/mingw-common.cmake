# Shared part of the MinGW-w64 toolchain files; TOOLCHAIN_PREFIX names the target and
# THREAD_MODEL picks Debian's compiler variant (GoogleTest needs std::mutex, which
# only the posix variant has; everything is linked statically either way).
set(CMAKE_C_COMPILER ${TOOLCHAIN_PREFIX}-gcc-${THREAD_MODEL})
set(CMAKE_CXX_COMPILER ${TOOLCHAIN_PREFIX}-g++-${THREAD_MODEL})
set(CMAKE_RC_COMPILER ${TOOLCHAIN_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
