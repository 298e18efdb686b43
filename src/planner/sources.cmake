target_sources(zrv_planner PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/gcode_line.cpp
    ${CMAKE_CURRENT_LIST_DIR}/machine_profile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/motion_plan.cpp
    ${CMAKE_CURRENT_LIST_DIR}/program_time.cpp
)
