# 32-bit Windows: the shipped program. /usr/bin/wine runs 32-bit binaries with the
# 32-bit loader.
set(HUEBROOK_MINGW_PROCESSOR i686)
set(HUEBROOK_MINGW_TRIPLE i686-w64-mingw32)
set(HUEBROOK_WINE_LOADER wine)
set(HUEBROOK_WINE_ENVIRONMENT "WINEARCH=win32")
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
