#pragma once

class QCoreApplication;

// Qt's own texts, such as the text field's context menu, in German like the rest of the
// window, whatever the regional settings. Without Qt's German catalogue they stay English.
void loadQtGerman(QCoreApplication& application);
