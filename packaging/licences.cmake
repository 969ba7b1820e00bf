# The licence texts that go with every package that carries Qt inside (Windows, the web),
# in pairs: the text, and the name a reader looks for in the package's licence folder.
set(CARRIED_LICENCES
    ${PROJECT_SOURCE_DIR}/LICENSE GPL-3.txt
    /usr/share/common-licenses/LGPL-3 Qt-LGPL-3.txt
    # Qt is built from Debian's qtbase source; this names every part of it (FreeType,
    # HarfBuzz, libpng, PCRE2 and the rest) with its licence.
    /usr/share/doc/libqt6core6/copyright Qt-Copyright.txt
    # Qt's and FreeType's other choice of licence, to which Debian's copyright files point.
    /usr/share/common-licenses/GPL-2 GPL-2.txt
    # The fonts and Qt's German texts built into the program, each from its Debian package.
    /usr/share/doc/fonts-liberation2/copyright Liberation-Fonts.txt
    /usr/share/doc/fonts-urw-base35/copyright URW-Fonts-AGPL-3.txt
    # DejaVu's own licence text, which Debian's copyright file shortens to the Vera part.
    ${CMAKE_CURRENT_LIST_DIR}/windows/licences/dejavu-fonts.txt DejaVu-Fonts.txt
    /usr/share/doc/qt6-translations-l10n/copyright Qt-Translations-Copyright.txt
)

# Calls `function` with each text and its name; stops where a text is missing.
macro(for_each_carried_licence function)
    set(_licences ${CARRIED_LICENCES})
    while(_licences)
        list(POP_FRONT _licences _text _name)
        if(NOT EXISTS "${_text}")
            message(FATAL_ERROR "No licence text at ${_text}")
        endif()
        cmake_language(CALL ${function} "${_text}" "${_name}")
    endwhile()
endmacro()
