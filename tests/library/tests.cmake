target_sources(core_tests PRIVATE
)
