# The types the Excel and Word automation surfaces share, and the watchdog of their
# processes (no Qt).
target_sources(tablevane_automation PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/AutomationError.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AutomationPaths.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AutomationValue.h
    ${CMAKE_CURRENT_LIST_DIR}/ColumnNames.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProcessProgress.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProcessWatch.cpp
)
# The watchdog's thread, one file per platform: the Windows build's compiler has no
# standard threads.
if(WIN32)
    target_sources(tablevane_automation PRIVATE ${CMAKE_CURRENT_LIST_DIR}/platform/PeriodicTaskWin32.cpp)
else()
    target_sources(tablevane_automation PRIVATE ${CMAKE_CURRENT_LIST_DIR}/platform/PeriodicTaskStd.cpp)
    find_package(Threads REQUIRED)
    target_link_libraries(tablevane_automation PUBLIC Threads::Threads)
endif()
