// The erase button and the button that shows or hides the work diagram.
#include "app/formfeld1.h"

void Formfeld1::loschen()
{
    Line1->element(0).set(&LineProperties::Visible, false);
    const int last = lnr;
    for (int i = 1; i <= last; ++i) {
        Line1->unload(static_cast<int16_t>(i));
        Labellnr->unload(static_cast<int16_t>(i));
    }
    lnr = 0;
    showIndexes(1);
    resetWork();
    Label2->setText(numbers::readout(int16_t{0}));
}

void Formfeld1::Commandloschen_Click()
{
    loschen();
    Picture1->Cls();
}

void Formfeld1::Commandloschen_KeyPress(int16_t& KeyAscii)
{
    KeyAscii = 0;
}

void Formfeld1::Command1_Click()
{
    Picture1->setVisible(Picture1->isHidden());
}
