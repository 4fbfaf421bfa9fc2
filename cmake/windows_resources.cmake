# scrivex_windows_resources(<target> <file description>): gives a Windows executable the
# project's version resource (its version, names and copyright from the project) and the
# application manifest (supported systems, DPI awareness), both made from one template.
set(SCRIVEX_PUBLISHER "The Scrivex authors")
set(SCRIVEX_COPYRIGHT "Copyright (c) 2026 The Scrivex authors")
set(SCRIVEX_MANIFEST ${PROJECT_SOURCE_DIR}/src/platform/win32/scrivex.manifest)

function(scrivex_windows_resources target description)
  set(SCRIVEX_RC_DESCRIPTION "${description}")
  get_target_property(SCRIVEX_RC_NAME ${target} OUTPUT_NAME)
  if(NOT SCRIVEX_RC_NAME)
    set(SCRIVEX_RC_NAME ${target})
  endif()
  set(SCRIVEX_RC_FILE ${SCRIVEX_RC_NAME}${CMAKE_EXECUTABLE_SUFFIX})
  set(rc ${CMAKE_BINARY_DIR}/resources/${target}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS ${SCRIVEX_MANIFEST})
  if(MSVC)
    # The linker would embed a manifest of its own beside this one.
    target_link_options(${target} PRIVATE /MANIFEST:NO)
  endif()
endfunction()
