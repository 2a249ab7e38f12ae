target_sources(tablevane_core PRIVATE
)
