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
    Labelin->setCaption(QStringLiteral("1"));
    for (int16_t i = 1; i <= 4; ++i)
        Labeln(i)->setCaption(QStringLiteral("1"));
    Labeln(0)->setCaption(QStringLiteral("0"));
    arbeit = int16_t{0};
    summe = 0;
    Label1->setCaption(QStringLiteral("0 Ncm"));
    Label2->setCaption(QStringLiteral("0 Ncm"));
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
