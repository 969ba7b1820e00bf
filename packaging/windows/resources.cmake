# The icon, the version and the manifest, compiled into the executable.

set(MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/kraftfeld.manifest)
set(RESOURCE_SCRIPT ${CMAKE_CURRENT_BINARY_DIR}/kraftfeld.rc)
configure_file(kraftfeld.manifest.in ${MANIFEST} @ONLY)
configure_file(kraftfeld.rc.in ${RESOURCE_SCRIPT} @ONLY)

target_sources(kraftfeld PRIVATE ${RESOURCE_SCRIPT})
# windres names no files it read, so the icon and the manifest are named for it: a new one
# compiles the resources anew.
set_source_files_properties(${RESOURCE_SCRIPT} DIRECTORY ${PROJECT_SOURCE_DIR}
    PROPERTIES OBJECT_DEPENDS "${ICON_ICO};${MANIFEST}")
add_dependencies(kraftfeld icon_ico)
