# The Calc back-end over its surface interface (no UNO here).
target_sources(tablevane_core PRIVATE
)
