target_sources(tablevane_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/AppPaths.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FontList.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FormatSetModel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MessageTable.cpp
)
