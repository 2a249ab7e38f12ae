# Unit tests of the Excel and Word back-ends over their simulations.
tablevane_add_test(tst_excelformat LABEL unit
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_excelformat.cpp LIBS tablevane_core)
tablevane_add_test(tst_excelqueries LABEL unit
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_excelqueries.cpp LIBS tablevane_core)
tablevane_add_test(tst_wordexport LABEL unit
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_wordexport.cpp LIBS tablevane_core)
