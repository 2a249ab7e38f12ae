target_sources(tablevane_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/AutomationDetectionPort.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BackendHost.h
    ${CMAKE_CURRENT_LIST_DIR}/BatchRunner.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ConsoleMessagePort.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DocumentFingerprint.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DocumentKeeper.h
    ${CMAKE_CURRENT_LIST_DIR}/DocumentStore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DocumentTimings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ColumnLetters.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EngineBackendHost.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FileContent.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FolderListing.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KeptRuns.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OfficeLockFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OfficeQueries.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FormatJob.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OfficeBackend.h
    ${CMAKE_CURRENT_LIST_DIR}/OfficeBackends.h
    ${CMAKE_CURRENT_LIST_DIR}/ProgressWording.h
    ${CMAKE_CURRENT_LIST_DIR}/QueryReports.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RunController.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RunHost.h
    ${CMAKE_CURRENT_LIST_DIR}/RunKeeper.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RunLog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RunLogFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RunTargets.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RunManifest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RunState.h
    ${CMAKE_CURRENT_LIST_DIR}/RunUndo.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StoreFailure.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StoreTarget.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TWorkThread.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UndoCommand.cpp
)
# What the store asks of the system, one file per platform.
if(WIN32)
    target_sources(tablevane_core PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/platform/ProcessPresenceWindows.cpp
        ${CMAKE_CURRENT_LIST_DIR}/platform/TrashRecordWindows.cpp)
else()
    target_sources(tablevane_core PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/platform/ProcessPresenceUnix.cpp
        ${CMAKE_CURRENT_LIST_DIR}/platform/TrashRecordUnix.cpp)
endif()
