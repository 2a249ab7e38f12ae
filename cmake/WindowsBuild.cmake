# The Windows build, cross-compiled with MinGW-w64: the Excel and Word surfaces with
# the Excel formatter and the Word export (tablevane_automation), their COM adapters
# (tablevane_com), tablevane-officeprobe.exe, and the adapter tests with their test
# automation server. The window, the run and the settings need Qt, which has no
# Windows build here, so they are not part of it.
add_compile_options(-Wall -Wextra)
# The programs carry their C and C++ runtimes: they run from any folder, and under
# Wine, without MinGW's DLLs beside them.
add_link_options(-static)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

add_library(tablevane_automation STATIC)
target_include_directories(tablevane_automation PUBLIC
    ${PROJECT_SOURCE_DIR}/src/engine/automation
    ${PROJECT_SOURCE_DIR}/src/engine/excel
    ${PROJECT_SOURCE_DIR}/src/engine/word)
include(${PROJECT_SOURCE_DIR}/src/engine/automation/sources.cmake)
include(${PROJECT_SOURCE_DIR}/src/engine/excel/sources.cmake)
include(${PROJECT_SOURCE_DIR}/src/engine/word/sources.cmake)

add_library(tablevane_com STATIC)
target_include_directories(tablevane_com PUBLIC
    ${PROJECT_SOURCE_DIR}/src/engine/automation/com
    ${PROJECT_SOURCE_DIR}/src/engine/excel/com
    ${PROJECT_SOURCE_DIR}/src/engine/word/com)
target_link_libraries(tablevane_com PUBLIC tablevane_automation ole32 oleaut32 uuid)
include(${PROJECT_SOURCE_DIR}/src/engine/automation/com/sources.cmake)
include(${PROJECT_SOURCE_DIR}/src/engine/excel/com/sources.cmake)
include(${PROJECT_SOURCE_DIR}/src/engine/word/com/sources.cmake)

add_executable(tablevane-officeprobe ${PROJECT_SOURCE_DIR}/src/officeprobe/tablevane-officeprobe.cpp)
target_link_libraries(tablevane-officeprobe PRIVATE tablevane_com)

if(TABLEVANE_BUILD_TESTS)
    add_subdirectory(tests/windows)
endif()
