# What a Linux system gets from `cmake --install` (and so the Debian package): the GTK
# program and vidomat-calc, their German man pages, the launcher, and the icon in the
# hicolor theme at 16, 32, 48, 64 and 128 pixels, drawn at build time from the same
# pictures as the Windows icons.
include(GNUInstallDirs)

add_executable(write_png_icons
  shell/resources/write_png_icons.cpp
  shell/resources/icon_pictures.cpp
  shell/resources/png_file.cpp
)
target_include_directories(write_png_icons PRIVATE ${CMAKE_SOURCE_DIR})
set(VIDOMAT_ICON_THEME ${CMAKE_BINARY_DIR}/icons/hicolor)
add_custom_command(OUTPUT ${VIDOMAT_ICON_THEME}/128x128/apps/vidomat.png
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VIDOMAT_ICON_THEME}
  COMMAND write_png_icons ${VIDOMAT_ICON_THEME}
  DEPENDS write_png_icons
  COMMENT "Drawing the icon for the Linux desktop")
add_custom_target(linux_icons ALL DEPENDS ${VIDOMAT_ICON_THEME}/128x128/apps/vidomat.png)

if(VIDOMAT_GTK)
  install(TARGETS vidomat RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES shell/linux/vidomat.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES shell/linux/vidomat.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(DIRECTORY ${VIDOMAT_ICON_THEME} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()
install(TARGETS vidomat-calc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES tools/vidomat_calc/vidomat-calc.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
