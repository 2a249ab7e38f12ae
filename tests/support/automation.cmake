# Simulated Excel and Word (standard C++ only; added to tablevane_testsupport).
target_sources(tablevane_testsupport PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/FakeExcel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FakeExcelWorkbook.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FakeOfficeProcess.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FakeStandIn.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FakeWord.cpp
)
