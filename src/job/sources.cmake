target_sources(zrvcore PRIVATE

)
