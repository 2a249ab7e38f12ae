target_sources(tablevane_app PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/AppIcon.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ApplicationWindows.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ApplySheetGroup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ChmArchive.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FileDialogTexts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FolderBrowserDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FormatSetView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HelpContents.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HelpWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KeptRunsGroup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LanguageTargets.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LogViewerWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MainWindowUi.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OfficeServices.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PatternWidthGroup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtColorDialogPort.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtFileDialogPort.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtFontPort.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtMessagePort.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtOfficeDetectionPort.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtShellPort.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtTranslations.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RadioGroup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RangeComboRules.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RangeGrid.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RangeTextValidator.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TerminationSignals.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TfrmAboutTablevane.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TfrmAboutTablevane.ui
    ${CMAKE_CURRENT_LIST_DIR}/TfrmLanguageAndHelp.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TfrmLanguageAndHelp.ui
    ${CMAKE_CURRENT_LIST_DIR}/TfrmParameters.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TfrmSplash.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TfrmTablevane.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UndoRunAction.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ViewSheetNameHost.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WindowLanguage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WindowMessages.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WindowPlacement.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WorkChoiceGroup.cpp
)
# Platform checks, one file per platform.
if(WIN32)
    target_sources(tablevane_app PRIVATE ${CMAKE_CURRENT_LIST_DIR}/platform/DisplayCheckWindows.cpp)
else()
    target_sources(tablevane_app PRIVATE ${CMAKE_CURRENT_LIST_DIR}/platform/DisplayCheckUnix.cpp)
endif()
