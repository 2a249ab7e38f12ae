# The types the Excel and Word automation surfaces share (no Qt).
target_sources(tablevane_automation PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/AutomationError.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AutomationPaths.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AutomationValue.h
    ${CMAKE_CURRENT_LIST_DIR}/ColumnNames.cpp
)
