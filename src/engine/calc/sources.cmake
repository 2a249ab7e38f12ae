# The Calc back-end over its surface interface (no UNO here).
target_sources(tablevane_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/CalcBackend.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CalcError.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CalcFilterFamily.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CalcFormatter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CalcLog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CalcPageStyleSharing.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CalcPaths.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CalcQueries.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CalcRangeAddress.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CalcRangeScan.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CalcSession.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CalcStartTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CalcStorePlan.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FormatDocumentCalc.cpp
)
