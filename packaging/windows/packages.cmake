# The two packages, both made from the installed folder: a ZIP to unpack and start from,
# and an MSI that installs the program for every user of the machine.
#   cmake --build <build> --target windows_packages
# leaves kraftfeld-<version>-win64.zip and .msi in the build folder.

find_program(WIXL wixl REQUIRED)

# Windows Installer knows every version of the program by this code; it never changes.
set(WINDOWS_UPGRADE_CODE 40b48eeb-1eb4-4a80-8db1-76b8b83c3441)

set(package_name kraftfeld-${PROJECT_VERSION}-win64)
set(WINDOWS_PACKAGE ${CMAKE_BINARY_DIR}/${package_name})
set(stage ${CMAKE_CURRENT_BINARY_DIR}/stage)
set(layout ${stage}/${package_name})

# Followed by -DVERSION=... -DOUTPUT=... -P msi.cmake: the same folder can be packaged as
# another version, which is how the upgrade is tested.
set(make_msi ${CMAKE_COMMAND} -DWIXL=${WIXL} -DLAYOUT=${layout}
    -DTEMPLATE=${CMAKE_CURRENT_SOURCE_DIR}/kraftfeld.wxs.in -DICON=${ICON_ICO}
    "-DPRODUCT_NAME=${WINDOWS_PRODUCT_NAME}" "-DMANUFACTURER=${WINDOWS_MANUFACTURER}"
    -DUPGRADE_CODE=${WINDOWS_UPGRADE_CODE})
set(msi_script ${CMAKE_CURRENT_SOURCE_DIR}/msi.cmake)

add_custom_target(windows_packages
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
    COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --prefix ${layout} --config $<CONFIG> --strip
    COMMAND ${CMAKE_COMMAND} -E chdir ${stage}
            ${CMAKE_COMMAND} -E tar cf ${WINDOWS_PACKAGE}.zip --format=zip ${package_name}
    COMMAND ${make_msi} -DVERSION=${PROJECT_VERSION} -DOUTPUT=${WINDOWS_PACKAGE}.msi -P ${msi_script}
    BYPRODUCTS ${WINDOWS_PACKAGE}.zip ${WINDOWS_PACKAGE}.msi
    VERBATIM)
add_dependencies(windows_packages kraftfeld icon_ico)

# Installs, upgrades and removes the MSI in a Wine of its own. The upgrade goes to the same
# folder packaged as the next patch version.
math(EXPR next_patch "${PROJECT_VERSION_PATCH} + 1")
set(next_version ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${next_patch})
set(next_msi ${CMAKE_CURRENT_BINARY_DIR}/kraftfeld-${next_version}-upgrade-test.msi)
add_custom_target(windows_msi_test
    COMMAND ${make_msi} -DVERSION=${next_version} -DOUTPUT=${next_msi} -P ${msi_script}
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/test_msi.sh ${WINDOWS_PACKAGE}.msi ${next_msi}
    BYPRODUCTS ${next_msi}
    USES_TERMINAL VERBATIM)
add_dependencies(windows_msi_test windows_packages)
if(BUILD_TESTING)
    add_test(NAME msi COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target windows_msi_test)
    set_tests_properties(msi PROPERTIES TIMEOUT 600 LABELS slow)
endif()

# Starts the installed program on an X server of its own and uses it with the mouse under
# German and English regional settings. Skipped where Xvfb, Wine or the OCR are missing.
set(window_test ${CMAKE_CURRENT_SOURCE_DIR}/test_window.sh ${WINDOWS_PACKAGE}.msi)
add_custom_target(windows_window_test COMMAND ${window_test} USES_TERMINAL VERBATIM)
add_dependencies(windows_window_test windows_packages)
if(BUILD_TESTING)
    # Run directly, so that CTest sees the exit code that means skipped.
    add_test(NAME windows_packages_built
             COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target windows_packages)
    set_tests_properties(windows_packages_built PROPERTIES FIXTURES_SETUP windows_packages LABELS slow)
    add_test(NAME window COMMAND ${window_test})
    set_tests_properties(window PROPERTIES FIXTURES_REQUIRED windows_packages SKIP_RETURN_CODE 77
                         TIMEOUT 600 LABELS slow)
endif()
