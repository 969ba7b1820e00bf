#pragma once

class QCoreApplication;

// Qt's own texts, such as the text field's context menu, in German like the rest of the
// window, whatever the regional settings. The catalogue is built into the program: Qt for
// Windows comes without one.
void loadQtGerman(QCoreApplication& application);
