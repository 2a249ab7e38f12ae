# Test doubles of the Calc back-end (added to tablevane_testsupport).
target_sources(tablevane_testsupport PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/FakeCalcCellRange.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FakeCalcColumn.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FakeCalcDocument.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FakeCalcHeaderContent.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FakeCalcOffice.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FakeCalcPageStyle.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FakeCalcSheet.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FakeCalcWorkbook.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RecordingBackendHost.cpp
)
