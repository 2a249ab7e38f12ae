target_sources(tablevane_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/AppPaths.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FontList.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FormatSetFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FormatSetModel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/IniFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KeptRunLimits.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LanguageFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LanguageKeyTable.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MessageTable.cpp
    ${CMAKE_CURRENT_LIST_DIR}/NoticeTable.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OfficeDetection.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PreferencesModel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProgramSettingsFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SaveAsTables.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextLimits.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UndoTexts.cpp
)
