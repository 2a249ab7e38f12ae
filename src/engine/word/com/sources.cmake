# The Word adapter over COM (Windows only, no Qt).
target_sources(tablevane_com PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ComWordOffice.cpp
)
