target_sources(tablevane_app PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/AppResources.cpp
)
