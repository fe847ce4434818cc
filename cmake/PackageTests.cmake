# The Debian package built, unpacked and run (packaging/test-package.sh).
# A package of a sanitized build is not one anybody installs.
if(TARGET vextora AND NOT VEXTORA_SANITIZE)
  add_test(NAME package.install
    COMMAND ${CMAKE_SOURCE_DIR}/packaging/test-package.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(package.install PROPERTIES TIMEOUT 600)
endif()
