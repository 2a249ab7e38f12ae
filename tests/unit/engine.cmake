# Unit tests of the run engine.
tablevane_add_test(tst_run LABEL unit SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_run.cpp LIBS tablevane_core)
tablevane_add_test(tst_batch LABEL unit SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_batch.cpp LIBS tablevane_core)
tablevane_add_test(tst_documentstore LABEL unit SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_documentstore.cpp LIBS tablevane_core)
tablevane_add_test(tst_undo LABEL unit SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_undo.cpp LIBS tablevane_core)
