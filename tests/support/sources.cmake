target_sources(tablevane_testsupport PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/FakeMessagePort.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FakeFileDialogPort.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FakeOfficeBackend.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RecordingRunHost.cpp
)
