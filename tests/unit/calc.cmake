# Unit tests of the calc area.
tablevane_add_test(tst_calcformat LABEL unit
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_calcformat.cpp LIBS tablevane_core)
tablevane_add_test(tst_calcqueries LABEL unit
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_calcqueries.cpp LIBS tablevane_core)
