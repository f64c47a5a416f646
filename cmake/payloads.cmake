# The title's two packages, embedded as resources "PKG"/"S1" and "PKG"/"S2".
# Sets LAUNCHER_RESOURCE_SCRIPT to the generated resource script.

enable_language(RC)
get_filename_component(payload_dir "${LAUNCHER_PAYLOAD_DIR}" ABSOLUTE)

set(payload_files)
foreach(name S1 S2)
  set(file "${payload_dir}/${name}.PKG")
  if(NOT EXISTS "${file}" OR IS_DIRECTORY "${file}")
    message(FATAL_ERROR "Payload ${name}.PKG not found: ${file}\n"
                        "LAUNCHER_PAYLOAD_DIR must name a folder holding S1.PKG and S2.PKG.")
  endif()
  file(SIZE "${file}" size)
  if(size EQUAL 0)
    message(FATAL_ERROR "Payload ${name}.PKG is empty: ${file}")
  endif()
  set(LAUNCHER_PAYLOAD_${name} "${file}")
  list(APPEND payload_files "${file}")
endforeach()

# Re-check the payloads when they change, and re-embed them.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${payload_files})
set(LAUNCHER_RESOURCE_SCRIPT "${CMAKE_CURRENT_BINARY_DIR}/launcher.rc")
configure_file(launcher/resources/launcher.rc.in "${LAUNCHER_RESOURCE_SCRIPT}" @ONLY)
set_source_files_properties("${LAUNCHER_RESOURCE_SCRIPT}" PROPERTIES OBJECT_DEPENDS "${payload_files}")
