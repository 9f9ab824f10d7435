# Cross-compiling for Windows x86-64 with Debian's mingw-w64, posix-thread
# variant (std::thread needs it). ZENTRAFEL_WINDOWS_DEPS names the prefix that
# scripts/build-windows cross-built the libraries into; only it and the
# compiler's own folder are searched, and pkg-config reads only its .pc files.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ZF_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZF_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZF_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${ZF_MINGW}-windres)
set(CMAKE_AR ${ZF_MINGW}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${ZF_MINGW}-gcc-ranlib-posix CACHE FILEPATH "")

# try_compile projects see the same prefix.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ZENTRAFEL_WINDOWS_DEPS)
set(CMAKE_FIND_ROOT_PATH /usr/${ZF_MINGW} ${ZENTRAFEL_WINDOWS_DEPS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
if(ZENTRAFEL_WINDOWS_DEPS)
  set(ENV{PKG_CONFIG_LIBDIR} ${ZENTRAFEL_WINDOWS_DEPS}/lib/pkgconfig)
  set(ENV{PKG_CONFIG_PATH} "")
endif()

# Everything linked statically: the executables import only system DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# CTest runs the executables through wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
