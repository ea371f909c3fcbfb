# Tests of a Windows build made on Linux run under wine64, in a Wine prefix of their own inside the
# build tree (without one, Wine makes and uses ~/.wine). Wine's .NET and HTML engines stay out, as
# installing them asks for a download, and so do the menu entries Wine would write into the home folder.
if(NOT CMAKE_SIZEOF_VOID_P EQUAL 8)
    message(FATAL_ERROR "Only a 64-bit Windows build can run its tests here: wine64 refuses 32-bit "
                        "programs. Configure 32-bit builds with CORVANE_BUILD_TESTS=OFF.")
endif()

# Debian keeps them in Wine's own folder, not on PATH.
find_program(CORVANE_WINE64 wine64 PATHS /usr/lib/wine REQUIRED)
find_program(CORVANE_WINESERVER NAMES wineserver64 wineserver PATHS /usr/lib/wine REQUIRED)

set(CORVANE_WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(CORVANE_WINE_ENV env WINEPREFIX=${CORVANE_WINE_PREFIX} WINEDEBUG=-all
                     WINEDLLOVERRIDES=mscoree,mshtml,winemenubuilder.exe=)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CORVANE_WINE_ENV} ${CORVANE_WINE64})
# The fixture around the tests: tests/ runs "start" before the first and "stop" after the last.
set(CORVANE_WINE_SESSION ${CORVANE_WINE_ENV} sh ${CMAKE_CURRENT_LIST_DIR}/wine-session.sh ${CORVANE_WINE64}
                         ${CORVANE_WINESERVER})

# Under Wine a test program gets a desktop of its own, 1024 x 768 pixels, whatever else runs: a virtual
# desktop draws the frames and caption bars that an X server without a window manager leaves out, and
# no other test program's window takes the foreground or the input. The setting names the program
# alone (and so the programs it starts share its desktop); the tests `fixture` and `fixture`_size make
# it, as the fixture `fixture`.
function(corvane_wine_desktop program desktop fixture)
    set(app_key "HKCU\\Software\\Wine\\AppDefaults\\${program}.exe\\Explorer")
    add_test(NAME ${fixture} COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} reg add ${app_key} /v Desktop /d ${desktop} /f)
    add_test(NAME ${fixture}_size
             COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} reg add "HKCU\\Software\\Wine\\Explorer\\Desktops"
                     /v ${desktop} /d 1024x768 /f)
    set_tests_properties(${fixture} ${fixture}_size PROPERTIES
        FIXTURES_REQUIRED wine_prefix FIXTURES_SETUP ${fixture} TIMEOUT 60)
endfunction()
