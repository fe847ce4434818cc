# The one version of Vextora is project(VERSION): both programs print it for
# --version, the About box shows it and the Debian package carries it.
foreach(target vextora-convert vextora_dialog test_cli)
  if(TARGET ${target})
    target_compile_definitions(${target} PUBLIC VEXTORA_VERSION="${PROJECT_VERSION}")
  endif()
endforeach()
