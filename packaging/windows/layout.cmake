# The folder the program runs from, as the ZIP holds it and the MSI installs it: the
# executable, the Qt libraries and plugins it loads, the compiler's run-time libraries,
# and the licence of each.

install(TARGETS kraftfeld RUNTIME DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
        DESTINATION .)
# Qt looks for its plugins in folders of these names beside the executable.
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)

# Wherever this compiler keeps its own libraries.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    # The compiler answers with the bare name when it has no such file.
    if(NOT IS_ABSOLUTE "${path}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} knows no ${dll}")
    endif()
    file(REAL_PATH "${path}" path)
    install(FILES ${path} DESTINATION .)
endforeach()

function(add_licence source name)
    install(FILES "${source}" DESTINATION Lizenzen RENAME "${name}")
endfunction()

# Every licence text that goes with the program, under the name a reader looks for in the
# Lizenzen folder: those of every package with Qt inside, and the compiler's libraries.
include(${PROJECT_SOURCE_DIR}/packaging/licences.cmake)
for_each_carried_licence(add_licence)
add_licence(${CMAKE_CURRENT_SOURCE_DIR}/licences/gcc-runtime-library-exception.txt GCC-Runtime-Library-Exception.txt)
add_licence(${CMAKE_CURRENT_SOURCE_DIR}/licences/winpthreads.txt winpthreads.txt)
# Where the source of all of it is: the archive scripts/source-tarball leaves beside the
# packages.
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/source.txt.in ${CMAKE_CURRENT_BINARY_DIR}/Quelltext.txt @ONLY)
add_licence(${CMAKE_CURRENT_BINARY_DIR}/Quelltext.txt Quelltext.txt)

# Debian's MinGW libraries keep their debugging information, nine tenths of
# libstdc++-6.dll: installed with --strip, every library goes without it, as the
# executable does. Last, so that it finds every library installed above.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        file(GLOB_RECURSE libraries \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
        execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded \${libraries} COMMAND_ERROR_IS_FATAL ANY)
    endif()")
