# The Excel surface, the formatter over it and the presence check (no Qt) ...
target_sources(tablevane_automation PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ExcelFileFormats.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExcelFormatter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExcelPresence.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExcelSession.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExcelStorePlan.cpp
)
# ... and the Excel back-end of the program: the run's and the window's entry points
# (Qt Core; the Windows build has no tablevane_core and leaves them out).
if(TARGET tablevane_core)
    target_sources(tablevane_core PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/ExcelBackend.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ExcelResultStore.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ExcelLog.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ExcelQueries.cpp
        ${CMAKE_CURRENT_LIST_DIR}/FormatDocumentExcel.cpp
    )
endif()
