# The Linux program: the same core on GTK 3 (X11), and its scenario driver, which plays
# the scripts as real X input on the real window. Included by the root CMakeLists.txt.
find_package(PkgConfig REQUIRED)
pkg_check_modules(GTK3 REQUIRED IMPORTED_TARGET gtk+-3.0)
add_library(vidomat_platform_gtk STATIC
  platform/gtk/gtk_dialog.cpp
  platform/gtk/gtk_boxes.cpp
  platform/gtk/gtk_icons.cpp
  shell/resources/icon_pictures.cpp
)
target_include_directories(vidomat_platform_gtk PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(vidomat_platform_gtk PUBLIC vidomat_platform_shared vidomat_core PkgConfig::GTK3)

add_executable(vidomat
  shell/linux_main.cpp
  shell/settings_folder.cpp
)
target_compile_definitions(vidomat PRIVATE VIDOMAT_VERSION="${PROJECT_VERSION}")
target_link_libraries(vidomat PRIVATE vidomat_platform_gtk vidomat_core)

# The scenario driver belongs to the tests: it needs the X test extension.
if(VIDOMAT_TESTS)
  pkg_check_modules(XTEST REQUIRED IMPORTED_TARGET x11 xtst)
  add_executable(vidomat-script-gtk
    tools/vidomat_script/main.cpp
    tools/vidomat_script/script_runner.cpp
    tools/vidomat_script/snapshot.cpp
    tools/vidomat_script/driven_gtk.cpp
    tools/vidomat_script/driven_file_faults.cpp
  )
  target_link_libraries(vidomat-script-gtk PRIVATE vidomat_platform_gtk vidomat_file_fault vidomat_core
    PkgConfig::XTEST)
endif()
