# Tests of the Linux program on a virtual X display of its own (Xvfb), set up once for
# all of them and ended at the end. They share the display's one pointer and keyboard,
# so they run one at a time. Included by the root CMakeLists.txt.
add_executable(snapshot_diff tests/win32/snapshot_diff.cpp)

set(VIDOMAT_GTK_SESSION ${CMAKE_BINARY_DIR}/gtk-session)
set(VIDOMAT_GTK_WORK ${CMAKE_BINARY_DIR}/gtk-tests)
add_test(NAME gtk.session_start
  COMMAND ${CMAKE_SOURCE_DIR}/tests/gtk/gtk_session.sh start ${VIDOMAT_GTK_SESSION})
add_test(NAME gtk.session_stop
  COMMAND ${CMAKE_SOURCE_DIR}/tests/gtk/gtk_session.sh stop ${VIDOMAT_GTK_SESSION})
set_tests_properties(gtk.session_start PROPERTIES FIXTURES_SETUP gtk TIMEOUT 60)
set_tests_properties(gtk.session_stop PROPERTIES FIXTURES_CLEANUP gtk TIMEOUT 60)

# GTK keeps some of its allocations until the process ends; the leak check would report
# them, not faults of the program.
set(VIDOMAT_GTK_TEST_ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0:abort_on_error=1")

# The GTK dialog's notifications in a real window.
find_package(GTest REQUIRED)
add_executable(gtk_dialog_tests tests/gtk/gtk_dialog_test.cpp)
target_link_libraries(gtk_dialog_tests PRIVATE vidomat_platform_gtk vidomat_core GTest::gtest
  GTest::gtest_main)
add_test(NAME gtk.dialog COMMAND ${CMAKE_SOURCE_DIR}/tests/gtk/on_display.sh
  ${VIDOMAT_GTK_SESSION} $<TARGET_FILE:gtk_dialog_tests>)

# vidomat itself: real input, the close, the settings folder, and no display.
add_test(NAME gtk.program
  COMMAND ${CMAKE_SOURCE_DIR}/tests/gtk/run_program.sh $<TARGET_FILE:vidomat>
    ${VIDOMAT_GTK_SESSION} ${VIDOMAT_GTK_WORK}/program)

# Every scenario script is played by the in-memory driver and by the GTK driver, and
# their snapshots must be the same.
# Known differences are listed here with their reason; their tests stay registered but
# disabled. (None at present.)
set(VIDOMAT_SCENARIOS_DIFFERING_ON_GTK)
file(GLOB VIDOMAT_GTK_SCENARIOS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/scenarios/*.script)
set(VIDOMAT_GTK_TESTS gtk.program gtk.dialog)
foreach(script ${VIDOMAT_GTK_SCENARIOS})
  get_filename_component(name ${script} NAME_WE)
  add_test(NAME gtk.scenario.${name}
    COMMAND ${CMAKE_SOURCE_DIR}/tests/gtk/compare_drivers.sh
      $<TARGET_FILE:vidomat-script> $<TARGET_FILE:vidomat-script-gtk>
      $<TARGET_FILE:snapshot_diff> ${VIDOMAT_GTK_SESSION}
      ${VIDOMAT_GTK_WORK}/scenarios/${name} ${script})
  list(APPEND VIDOMAT_GTK_TESTS gtk.scenario.${name})
  if(name IN_LIST VIDOMAT_SCENARIOS_DIFFERING_ON_GTK)
    set_tests_properties(gtk.scenario.${name} PROPERTIES DISABLED TRUE)
  endif()
endforeach()
set_tests_properties(${VIDOMAT_GTK_TESTS} PROPERTIES
  FIXTURES_REQUIRED gtk RESOURCE_LOCK gtk_display TIMEOUT 180
  ENVIRONMENT "${VIDOMAT_GTK_TEST_ENVIRONMENT}")

# Without a display the program says so and ends with a failure status.
add_test(NAME gtk.without_display
  COMMAND ${CMAKE_SOURCE_DIR}/tests/gtk/without_display.sh $<TARGET_FILE:vidomat>)
set_tests_properties(gtk.without_display PROPERTIES
  ENVIRONMENT "${VIDOMAT_GTK_TEST_ENVIRONMENT}")
