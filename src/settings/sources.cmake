target_sources(tablevane_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/AppPaths.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FontList.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FormatSetFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FormatSetModel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/IniFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KeptRunLimits.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LanguageFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LanguageKeyTable.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LanguageNotes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MessageTable.cpp
    ${CMAKE_CURRENT_LIST_DIR}/NoticeTable.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OfficeDetection.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PreferencesModel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProgramSettingsFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SaveAsNameKeys.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SaveAsTables.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextLimits.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UndoTexts.cpp
)

# A language file that is not UTF-8 on a UTF-8 desktop is read in the code page ICU's
# charset detector finds (libicu-dev; Qt decodes with ICU here too). A build without
# ICU guesses Windows-1252 and says it guessed.
find_package(ICU COMPONENTS i18n uc)
if(ICU_FOUND)
    target_sources(tablevane_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/CodePageDetectionIcu.cpp)
    target_link_libraries(tablevane_core PRIVATE ICU::i18n ICU::uc)
else()
    message(STATUS "ICU not found: language files that are not UTF-8 are read as Windows-1252")
    target_sources(tablevane_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/CodePageDetectionFallback.cpp)
endif()
