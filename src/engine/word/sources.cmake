# The Word surface and the table export over it (no Qt).
target_sources(tablevane_automation PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/WordExport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WordTableExport.cpp
)
