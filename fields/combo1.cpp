// Choosing a field in the list, with the mouse only.
#include "app/colours.h"
#include "app/formfeld1.h"

namespace {
constexpr uint8_t cylinderField = 4;
constexpr uint8_t sphereField = 5;
constexpr uint8_t vortexField = 7;
} // namespace

void Formfeld1::Combo1_Click()
{
    feldnr = static_cast<uint8_t>(Combo1->currentIndex());
    Label3->hide();
    for (int16_t i = 0; i <= 7; ++i) {
        Imagefeld(i)->hide();
        Imageformel(i)->hide();
        if (i < Shapekugel.size()) {
            if (feldnr == sphereField) {
                Shapekugel(i)->show();
                Label3->show();
            } else {
                Shapekugel(i)->hide();
            }
        }
        if (i < Shapezylinder.size()) {
            if (feldnr == cylinderField || feldnr == vortexField) {
                Shapezylinder(i)->show();
                Label3->show();
            } else {
                Shapezylinder(i)->hide();
            }
            Shapezylinder(i)->setBorderColor(feldnr == vortexField ? colours::blue : colours::lightGreen);
        }
    }
    Imagefeld(feldnr)->show();
    Imageformel(feldnr)->show();
    resetWork();
}

void Formfeld1::Combo1_KeyDown(int16_t& KeyCode, int16_t)
{
    KeyCode = 0;
}

void Formfeld1::Combo1_KeyPress(int16_t& KeyAscii)
{
    KeyAscii = 0;
}
