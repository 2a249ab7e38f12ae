# Unit tests of the settings area.
# Tests of this area are registered with tablevane_add_test.
tablevane_add_test(tst_ini LABEL unit SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_ini.cpp LIBS tablevane_core)
tablevane_add_test(tst_settings_formatset LABEL unit SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_settings_formatset.cpp LIBS tablevane_core)
tablevane_add_test(tst_prefs_model LABEL unit SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_prefs_model.cpp LIBS tablevane_core)
tablevane_add_test(tst_settings_program LABEL unit SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_settings_program.cpp LIBS tablevane_core)
tablevane_add_test(tst_language_file LABEL unit SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_language_file.cpp LIBS tablevane_core)
target_compile_definitions(tst_language_file PRIVATE TABLEVANE_LANG_DIR="${PROJECT_SOURCE_DIR}/Lang")
