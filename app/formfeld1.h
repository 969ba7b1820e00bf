#pragma once

#include "app/controls/control_array.h"
#include "app/controls/image.h"
#include "app/controls/label.h"
#include "app/controls/label_array.h"
#include "app/controls/line_array.h"
#include "app/controls/picture_box.h"
#include "app/controls/shape.h"
#include "state/window_state.h"

#include <QComboBox>
#include <QPushButton>
#include <QWidget>

// The program's one window. Its controls are public, as the window's description makes
// them; its state is the window's own and is changed only by its handlers.
class Formfeld1 : public QWidget, private WindowState {
    Q_OBJECT
public:
    Formfeld1();

    const WindowState& state() const { return *this; }

    // Controls, topmost first within each kind of stacking.
    QPushButton* Command1;
    PictureBox* Picture1;
    QComboBox* Combo1;
    QPushButton* Commandloschen;
    LabelArray* Labellnr;
    ControlArray<Label> Labeln;
    Label* Labelin;
    Image* Image2;
    Image* Image1;
    Label* Label1;
    Label* Label3;
    Label* Label2;
    ControlArray<Shape> Shapezylinder;
    ControlArray<Shape> Shapekugel;
    ControlArray<Image> Imageformel;
    ControlArray<Image> Imagefeld;
    LineArray* Line1;

    // The window's procedures, public so that tests can run them, grouped by the file
    // that defines them; so are the handlers below.

    // fields/diff.cpp
    void diff0(float Y, float X);
    void diff1(float Y, float X);
    void diff2(float Y, float X);
    void diff3(float y, float x);
    void diff4(float y, float x);
    void diff5(float y, float x);
    void diff6(float y, float x);

    // tracing/buttons.cpp
    void loschen();

private:
    // Handlers, each run by the event it is named after.

    // fields/combo1.cpp
    void Combo1_Click();
    void Combo1_KeyDown(int16_t& KeyCode, int16_t Shift);
    void Combo1_KeyPress(int16_t& KeyAscii);

    // tracing/buttons.cpp
    void Command1_Click();
    void Commandloschen_Click();
    void Commandloschen_KeyPress(int16_t& KeyAscii);

    // tracing/imagefeld.cpp
    void Imagefeld_MouseDown(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);
    void Imagefeld_MouseMove(int16_t Index, int16_t Button, int16_t Shift, float X, float Y);

    // fields/diff.cpp: the common end of every work model, which stores the work and
    // shows it rounded; and no work in the open segment nor on the path.
    void showWork(Number W);
    void resetWork();

    // tracing/imagefeld.cpp: the index labels on the work formulas for segment `n`.
    void showIndexes(int16_t n);

    // app/formfeld1.cpp
    void createControls();
    void connectEvents();
};
