target_sources(zrv_preview PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/height_shading.cpp
    ${CMAKE_CURRENT_LIST_DIR}/scene.cpp
    ${CMAKE_CURRENT_LIST_DIR}/travel.cpp
)
