# 64-bit Windows: the test build, which runs under wine64 (32-bit programs cannot run here).
set(CORVANE_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
