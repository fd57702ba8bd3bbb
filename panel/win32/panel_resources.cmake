# The resources of QORPANEL.EXE as the object library qor_panel_resources: the
# program links it to carry its templates, menus, accelerators, icons, bitmaps and
# version. The icons and bitmaps are drawn by draw_pictures.py into the build tree.
enable_language(RC)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(panel_pictures_dir ${CMAKE_CURRENT_BINARY_DIR}/pictures)
set(panel_pictures
    panel.ico about_red.ico about_first.ico about_middle.ico about_last.ico
    tray_idle.ico tray_active.ico tray_connected.ico tray_disconnecting.ico
    tray_retraining.ico lamp_off.bmp lamp_on.bmp)
list(TRANSFORM panel_pictures PREPEND ${panel_pictures_dir}/)

add_custom_command(OUTPUT ${panel_pictures}
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/win32/draw_pictures.py
            ${panel_pictures_dir}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/win32/draw_pictures.py
    COMMENT "Drawing the front panel's icons and bitmaps"
    VERBATIM)
add_custom_target(qor_panel_pictures DEPENDS ${panel_pictures})

add_library(qor_panel_resources OBJECT win32/qorpanel.rc)
set_source_files_properties(win32/qorpanel.rc PROPERTIES
    OBJECT_DEPENDS "${panel_pictures};${CMAKE_CURRENT_SOURCE_DIR}/panel_resources.h")
target_include_directories(qor_panel_resources PRIVATE
    ${CMAKE_CURRENT_SOURCE_DIR} ${panel_pictures_dir})
add_dependencies(qor_panel_resources qor_panel_pictures)
