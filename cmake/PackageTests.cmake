# Tests of what installing adds: the dialog's command line, help page and
# version (a Qt Test binary like the other dialog tests), and the Debian
# package built, unpacked and run (packaging/test-package.sh).
if(TARGET vextora AND TARGET Qt6::Test)
  add_executable(test_app_command_line ${CMAKE_SOURCE_DIR}/tests/app/command_line_test.cpp)
  set_target_properties(test_app_command_line PROPERTIES AUTOMOC ON)
  target_link_libraries(test_app_command_line PRIVATE vextora_dialog Qt6::Test)
  target_compile_definitions(test_app_command_line PRIVATE VX_VEXTORA_PROGRAM="$<TARGET_FILE:vextora>")
  add_dependencies(test_app_command_line vextora)
  add_test(NAME app.command_line COMMAND test_app_command_line)
  set_tests_properties(app.command_line PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
endif()

# A package of a sanitized build is not one anybody installs.
if(TARGET vextora AND NOT VEXTORA_SANITIZE)
  add_test(NAME package.install
    COMMAND ${CMAKE_SOURCE_DIR}/packaging/test-package.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(package.install PROPERTIES TIMEOUT 600)
endif()
