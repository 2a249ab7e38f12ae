# Late-bound automation through IDispatch, shared by the Excel and Word adapters, and
# the processes of their servers for the watchdog.
target_sources(tablevane_com PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ComApartment.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ComClass.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ComProcess.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ComText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ComVariant.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DispatchObject.cpp
)
