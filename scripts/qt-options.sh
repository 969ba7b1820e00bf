# Sourced by the two Qt builds (scripts/windows-qt, scripts/web-qt): the options they share.
# Only what the program and its tests use is built: Core, Gui, Widgets and Test, with Qt's
# own copies of its libraries, never the build machine's. Every widget, dialog and
# document format the program never shows is left out, which shortens each Qt build and
# shrinks what a browser downloads.
QT_SHARED_OPTIONS=(
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    # Nothing that talks to a network, a database or a printer.
    -DFEATURE_concurrent=OFF -DFEATURE_dbus=OFF -DFEATURE_network=OFF -DFEATURE_sql=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_xml=OFF
    # The pictures are built in as PNG.
    -DFEATURE_gif=OFF -DFEATURE_ico=OFF -DFEATURE_jpeg=OFF -DFEATURE_movie=OFF
    # No documents: no PDF, ODF or Markdown, no undo stack, no style sheets.
    -DFEATURE_pdf=OFF -DFEATURE_textodfwriter=OFF
    -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF
    -DFEATURE_undocommand=OFF -DFEATURE_style_stylesheet=OFF
    # The window has a list, buttons, labels, hover texts and a text field with its menu.
    -DFEATURE_graphicsview=OFF -DFEATURE_graphicseffect=OFF
    -DFEATURE_mdiarea=OFF -DFEATURE_textbrowser=OFF
    -DFEATURE_calendarwidget=OFF -DFEATURE_datetimeedit=OFF -DFEATURE_dial=OFF
    -DFEATURE_lcdnumber=OFF -DFEATURE_splashscreen=OFF -DFEATURE_toolbox=OFF
    -DFEATURE_keysequenceedit=OFF -DFEATURE_fontcombobox=OFF -DFEATURE_commandlinkbutton=OFF
    -DFEATURE_syntaxhighlighter=OFF -DFEATURE_columnview=OFF -DFEATURE_datawidgetmapper=OFF
    -DFEATURE_listwidget=OFF -DFEATURE_tablewidget=OFF -DFEATURE_treewidget=OFF
    -DFEATURE_filedialog=OFF -DFEATURE_colordialog=OFF -DFEATURE_fontdialog=OFF
    -DFEATURE_progressdialog=OFF -DFEATURE_errormessage=OFF
    -DFEATURE_wizard=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_doubleconversion=OFF
)
