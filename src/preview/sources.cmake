target_sources(zrv_preview PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/caption_font.cpp
    ${CMAKE_CURRENT_LIST_DIR}/height_shading.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/png.cpp
    ${CMAKE_CURRENT_LIST_DIR}/raster.cpp
    ${CMAKE_CURRENT_LIST_DIR}/scene.cpp
    ${CMAKE_CURRENT_LIST_DIR}/scene_index.cpp
    ${CMAKE_CURRENT_LIST_DIR}/snap.cpp
    ${CMAKE_CURRENT_LIST_DIR}/travel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/view_transform.cpp
)
