# 64-bit Windows: the same sources, for testing on machines that run no 32-bit code.
# /usr/bin/wine would pick the 32-bit loader whenever it is installed, so the 64-bit
# loader and its server are named directly.
set(HUEBROOK_MINGW_PROCESSOR x86_64)
set(HUEBROOK_MINGW_TRIPLE x86_64-w64-mingw32)
set(HUEBROOK_WINE_LOADER /usr/lib/wine/wine64)
set(HUEBROOK_WINE_ENVIRONMENT
    "WINEARCH=win64;WINESERVER=/usr/lib/wine/wineserver64;WINELOADER=/usr/lib/wine/wine64")
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
