# The Windows build of the Excel and Word adapters (cmake/WindowsBuild.cmake), made in
# build/windows with the MinGW-w64 cross compiler as part of this build, and its tests
# run under Wine (label "windows") in a Wine prefix inside build/windows. Skipped where
# the cross compiler or Wine is missing, except under CI.
find_program(TABLEVANE_MINGW_CXX x86_64-w64-mingw32-g++)
find_program(TABLEVANE_WINE wine)
if(NOT TABLEVANE_MINGW_CXX OR NOT TABLEVANE_WINE)
    if("$ENV{CI}" STREQUAL "true")
        message(FATAL_ERROR "The Windows build needs x86_64-w64-mingw32-g++ and wine (scripts/setup.sh installs them)")
    endif()
    message(STATUS "No MinGW-w64 cross compiler or no Wine: the Windows build and its tests are left out")
    return()
endif()

include(ExternalProject)
set(TABLEVANE_WINDOWS_DIR ${CMAKE_BINARY_DIR}/windows)
# One job inside: the build around it runs with its own jobs beside this one.
ExternalProject_Add(tablevane_windows
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${TABLEVANE_WINDOWS_DIR}
    CMAKE_ARGS
        -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/MinGW-w64-x86_64.cmake
        -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
        -DTABLEVANE_BUILD_TESTS=${TABLEVANE_BUILD_TESTS}
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> -j1
    BUILD_ALWAYS TRUE
    INSTALL_COMMAND "")

if(TABLEVANE_BUILD_TESTS)
    set(wine ${PROJECT_SOURCE_DIR}/tests/windows/wine.sh)
    set(prefix ${TABLEVANE_WINDOWS_DIR}/wineprefix)
    set(bin ${TABLEVANE_WINDOWS_DIR}/bin)
    # Creates the prefix on first use (slow once), starts Wine and registers the test
    # automation server; Wine is ended after the last test.
    add_test(NAME windows_start COMMAND ${wine} ${prefix} --start ${bin}/tablevane-testserver.dll)
    set_tests_properties(windows_start PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
    add_test(NAME windows_stop COMMAND ${wine} ${prefix} --stop)
    set_tests_properties(windows_stop PROPERTIES FIXTURES_CLEANUP wine)
    add_test(NAME tst_comadapter COMMAND ${wine} ${prefix} ${bin}/tst_comadapter.exe)
    # Wine has no Excel or Word; the test server stands in for both under its own ProgIDs.
    add_test(NAME officeprobe_absent COMMAND ${wine} ${prefix} ${bin}/tablevane-officeprobe.exe)
    set_tests_properties(officeprobe_absent PROPERTIES PASS_REGULAR_EXPRESSION
        "Excel \\(Excel\\.Application\\): not installed\r?\nWord \\(Word\\.Application\\): not installed")
    add_test(NAME officeprobe_testserver COMMAND ${wine} ${prefix} ${bin}/tablevane-officeprobe.exe
        --excel TablevaneTest.Excel --word TablevaneTest.Word)
    set_tests_properties(officeprobe_testserver PROPERTIES PASS_REGULAR_EXPRESSION
        "Excel \\(TablevaneTest\\.Excel\\): installed, version 16\\.0, major version 16\r?\nWord \\(TablevaneTest\\.Word\\): installed")
    set_tests_properties(windows_start windows_stop tst_comadapter officeprobe_absent officeprobe_testserver
        PROPERTIES LABELS windows)
    set_tests_properties(tst_comadapter officeprobe_absent officeprobe_testserver PROPERTIES
        FIXTURES_REQUIRED wine)
endif()
