# Makes the MSI of one version from the installed folder (run with cmake -P; the variables
# come from packages.cmake). The template describes the product and the executable; every
# other file of the folder is listed here, so that whatever the install rules add is
# installed and removed with the rest.

# Windows Installer tells versions apart by the product code, and replaces an older
# version only by a newer one with a code of its own; each build of one version has the
# same code.
string(UUID PRODUCT_CODE NAMESPACE ${UPGRADE_CODE} NAME ${VERSION} TYPE SHA1 UPPER)

# One component for each file, the file its key path. Ids only need to be unique and
# valid, so they are hashes of the path.
function(describe_folder folder indent)
    file(GLOB entries LIST_DIRECTORIES true RELATIVE ${LAYOUT} "${LAYOUT}/${folder}*")
    list(SORT entries)
    foreach(entry IN LISTS entries)
        string(MD5 id "${entry}")
        get_filename_component(name "${entry}" NAME)
        if(IS_DIRECTORY "${LAYOUT}/${entry}")
            string(APPEND LAYOUT_FOLDERS "${indent}<Directory Id=\"d${id}\" Name=\"${name}\">\n")
            describe_folder("${entry}/" "${indent}  ")
            string(APPEND LAYOUT_FOLDERS "${indent}</Directory>\n")
        elseif(NOT entry STREQUAL "kraftfeld.exe")
            string(APPEND LAYOUT_FOLDERS
                "${indent}<Component Id=\"c${id}\" Guid=\"*\" Win64=\"yes\">\n"
                "${indent}  <File Id=\"f${id}\" Source=\"${entry}\" KeyPath=\"yes\"/>\n"
                "${indent}</Component>\n")
            string(APPEND LAYOUT_COMPONENTS "      <ComponentRef Id=\"c${id}\"/>\n")
        endif()
    endforeach()
    set(LAYOUT_FOLDERS "${LAYOUT_FOLDERS}" PARENT_SCOPE)
    set(LAYOUT_COMPONENTS "${LAYOUT_COMPONENTS}" PARENT_SCOPE)
endfunction()

set(LAYOUT_FOLDERS "")
set(LAYOUT_COMPONENTS "")
describe_folder("" "          ")

# wixl finds files only by paths relative to the folder it runs in.
file(RELATIVE_PATH ICON ${LAYOUT} ${ICON})
get_filename_component(output_name ${OUTPUT} NAME_WLE)
set(wxs ${CMAKE_CURRENT_BINARY_DIR}/${output_name}.wxs)
configure_file(${TEMPLATE} ${wxs} @ONLY)
execute_process(COMMAND ${WIXL} --arch x64 --output ${OUTPUT} ${wxs}
                WORKING_DIRECTORY ${LAYOUT} COMMAND_ERROR_IS_FATAL ANY)
