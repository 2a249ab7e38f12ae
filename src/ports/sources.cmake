target_sources(tablevane_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/MessageIcon.h
    ${CMAKE_CURRENT_LIST_DIR}/MessagePort.h
    ${CMAKE_CURRENT_LIST_DIR}/FileDialogPort.h
    ${CMAKE_CURRENT_LIST_DIR}/ColorDialogPort.h
    ${CMAKE_CURRENT_LIST_DIR}/ShellPort.h
    ${CMAKE_CURRENT_LIST_DIR}/FontPort.h
    ${CMAKE_CURRENT_LIST_DIR}/OfficeDetectionPort.h
    ${CMAKE_CURRENT_LIST_DIR}/Ports.h
)
