#include "app/formfeld1.h"

#include "app/accessibility.h"
#include "app/colours.h"
#include "app/fonts.h"
#include "app/hover_text.h"
#include "app/key_filter.h"
#include "assets/pictures.h"
#include "assets/work_formulas.h"
#include "tracing/geometry.h"

#include <QAbstractItemView>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <cmath>

namespace {

using units::TwipsRect;

constexpr TwipsRect clientArea{0, 0, 12930, 8400};
constexpr TwipsRect fieldPictureArea{0, 0, 6750, 6750};
using colours::green;
using colours::lightGreen;
namespace places = work_formulas::places;

TwipsRect twipsRect(const QRectF& r)
{
    return {static_cast<float>(r.left()), static_cast<float>(r.top()), static_cast<float>(r.width()),
            static_cast<float>(r.height())};
}

QFont buttonFont()
{
    return fonts::font(QStringLiteral("MS Sans Serif"), 8.25, {.bold = true});
}

QFont readoutFont()
{
    return fonts::font(QStringLiteral("MS Sans Serif"), 9.75, {.bold = true, .italic = true});
}

QFont indexFont()
{
    return fonts::font(QStringLiteral("Bookman Old Style"), 9.75, {.italic = true, .weight = QFont::Light});
}

QPushButton* button(QWidget* parent, const QString& name, TwipsRect twips, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setGeometry(units::pixelGeometry(twips));
    // Two pixels each side, as designed, or less room where the style takes more for its
    // frame, since it cuts the caption off at its edge.
    QStyleOptionButton option;
    option.initFrom(b);
    const int styleRoom = b->style()->subElementRect(QStyle::SE_PushButtonContents, &option, b).width();
    b->setFont(fonts::fitted(buttonFont(), caption, std::min(b->width() - 4, styleRoom)));
    return b;
}

QString indexed(const char* name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// Relative luminance, as contrast between colours is measured for legibility.
double luminance(const QColor& c)
{
    const auto linear = [](float v) { return v <= 0.03928f ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

// The pictures draw black lines and letters straight onto the window's background, the
// desktop's colour for hover texts. Where a dark or high-contrast desktop makes that
// colour too dark for black (less than 4.5 : 1), the window keeps the pale yellow that
// Qt gives hover texts, and its labels black, as on a light desktop.
void keepPicturesLegible(QWidget& window)
{
    constexpr double leastLuminance = 4.5 * 0.05 - 0.05;
    QPalette colours = window.palette();
    if (luminance(colours.color(QPalette::ToolTipBase)) >= leastLuminance)
        return;
    colours.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xDC));
    colours.setColor(QPalette::ToolTipText, Qt::black);
    window.setPalette(colours);
}

// Centred on the screen where the window fits; on a smaller screen its top-left corner
// stays inside, so that the list and the field picture's left edge can be reached.
void placeOnScreen(QWidget& window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QPoint centred = available.center() - window.rect().center();
    window.move(std::max(centred.x(), available.left()), std::max(centred.y(), available.top()));
}

// Every size the program carries, so that a title or task bar at any scaling finds its own
// instead of a larger one drawn down.
QIcon carriedIcon()
{
    QIcon icon;
    const QDir folder(QStringLiteral(":/icon"));
    for (const QString& file : folder.entryList(QDir::Files))
        icon.addFile(folder.filePath(file));
    return icon;
}

} // namespace

Formfeld1::Formfeld1()
{
    setObjectName(QStringLiteral("Formfeld1"));
    setWindowTitle(QStringLiteral(" "));
    setWindowIcon(carriedIcon());
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    keepPicturesLegible(*this);
    resize(units::pixelGeometry(clientArea).size());
    placeOnScreen(*this);

    createControls();
    connectEvents();
    letPointerThroughHoverTexts(this);
    describeForAssistiveTechnology(*this);
    Commandloschen->setFocus();
}

// The controls from the bottom of the stacking up: each new one lies above those before
// it, and the buttons, the list and the picture box above every windowless control.
void Formfeld1::createControls()
{
    const auto fieldImage = [this](int16_t i) {
        auto* image =
            new Image(indexed("Imagefeld", i), fieldPictureArea, &pictures::field(i), Image::Border::flatLine, this);
        image->setCursor(Qt::CrossCursor);
        image->setVisible(i == 0);
        Imagefeld.set(i, image);
    };
    const auto formulaImage = [this](int16_t i, TwipsRect twips) {
        auto* image = new Image(indexed("Imageformel", i), twips, pictures::formula(i), Image::Border::none, this);
        image->setVisible(i == 0);
        Imageformel.set(i, image);
    };
    const auto circle = [this](ControlArray<Shape>& array, const char* name, int16_t i, float at, float size,
                               const QColor& color) {
        auto* shape = new Shape(indexed(name, i), {at, at, size, size}, color, this);
        shape->hide();
        array.set(i, shape);
    };
    const auto indexLabel = [this](int16_t i, const char* caption) {
        Labeln.set(i, new Label(indexed("Labeln", i), twipsRect(places::Labeln[i]), QString::fromUtf8(caption),
                                indexFont(), this));
    };

    fieldImage(7);
    Line1 = new LineArray(QStringLiteral("Line1"), {30, 6690, 600, 6300, false}, units::fromBgr(0x0000C0), 2, this);
    for (int16_t i = 0; i <= 5; ++i)
        fieldImage(i);
    formulaImage(0, {60, 6840, 4875, 735});
    formulaImage(1, {60, 6840, 3795, 525});
    formulaImage(2, {60, 6840, 5655, 495});
    formulaImage(3, {60, 6840, 3135, 435});
    formulaImage(4, {60, 6840, 3975, 735});
    formulaImage(5, {0, 6840, 4575, 795});
    circle(Shapekugel, "Shapekugel", 0, 45, 6645, green);
    circle(Shapekugel, "Shapekugel", 1, 1706, 3322, green);
    circle(Shapekugel, "Shapekugel", 2, 2260, 2215, green);
    circle(Shapekugel, "Shapekugel", 3, 2537, 1661, green);
    circle(Shapekugel, "Shapekugel", 4, 2703, 1329, green);
    circle(Shapekugel, "Shapekugel", 5, 2814, 1107, green);
    circle(Shapezylinder, "Shapezylinder", 0, 3123, 489, lightGreen);
    circle(Shapezylinder, "Shapezylinder", 1, 2703, 1329, green);
    circle(Shapezylinder, "Shapezylinder", 2, 1561, 3613, green);
    Label2 =
        new Label(QStringLiteral("Label2"), {9180, 6480, 1335, 255}, numbers::readout(int16_t{0}), readoutFont(), this);
    fieldImage(6);
    formulaImage(6, {60, 6900, 6915, 555});
    Label3 = new Label(QStringLiteral("Label3"), {3290, 3290, 195, 195}, QString(), fonts::defaultLabelFont(), this);
    Label3->hide();
    formulaImage(7, {60, 6840, 3735, 735});
    Label1 =
        new Label(QStringLiteral("Label1"), {9240, 5280, 1335, 255}, numbers::readout(int16_t{0}), readoutFont(), this);
    Image1 = new Image(QStringLiteral("Image1"), twipsRect(places::Image1), &pictures::segmentWork(),
                       Image::Border::none, this);
    Image2 = new Image(QStringLiteral("Image2"), twipsRect(places::Image2), &pictures::totalWork(), Image::Border::none,
                       this);
    Labelin = new Label(QStringLiteral("Labelin"), twipsRect(places::Labelin), QStringLiteral("n"), indexFont(), this);
    indexLabel(1, "n");
    indexLabel(0, "n-1");
    indexLabel(2, "n");
    indexLabel(4, "n");
    indexLabel(3, "n");
    indexLabel(5, "1");
    Labellnr = new LabelArray(QStringLiteral("Labellnr"), {QStringLiteral("Label4"), 7680, 7260, 735, 255, false},
                              fonts::defaultLabelFont(), this);

    Commandloschen =
        button(this, QStringLiteral("Commandloschen"), {10740, 7020, 1095, 495}, QStringLiteral("Linien löschen"));
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setGeometry(units::pixelGeometry({6900, 60, 4515, 360}));
    Combo1->setFont(fonts::font(QStringLiteral("MS Sans Serif"), 9.75, {.bold = true}));
    Combo1->setEditable(true);
    // The text field always shows the chosen entry: nothing types, pastes or drops into it.
    Combo1->lineEdit()->setReadOnly(true);
    Combo1->lineEdit()->setAcceptDrops(false);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    // The text field's grey is fixed, so its text is too: black, whatever the desktop's theme.
    QPalette listColours = Combo1->palette();
    listColours.setColor(QPalette::Base, units::fromBgr(0xE0E0E0));
    listColours.setColor(QPalette::Text, Qt::black);
    Combo1->setPalette(listColours);
    Combo1->addItems({
        QStringLiteral("Koordinatensystem"),
        QStringLiteral("Homogenes Feld in -y-Richtung"),
        QStringLiteral("Homogenes Feld in xy-Richtung (45°)"),
        QStringLiteral("Homogenes Feld in -x-Richtung"),
        QStringLiteral("Zylinderfeld in der Ebene"),
        QStringLiteral("Kugelfeld in der Ebene"),
        QStringLiteral("Strömungsfeld"),
        QStringLiteral("Reines Wirbelfeld"),
    });
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(QStringLiteral("Koordinatensystem"));
    Picture1 = new PictureBox(QStringLiteral("Picture1"), {6900, 720, 4455, 4035}, units::fromBgr(0x0000FF), this);
    // The axes cross where the diagram draws the field origin: 3360 twips from the field
    // picture's corner both ways, at no work.
    const QPointF diagramOrigin(geometry::diagramH(3360, 3360), geometry::diagramV(3360, geometry::oldBaseLine, 0));
    Picture1->setPicture(&pictures::diagramAxes(), pictures::diagramAxesPlacement(Picture1->size(), diagramOrigin));
    Command1 = button(this, QStringLiteral("Command1"), {10740, 6420, 1035, 495}, QStringLiteral("Energie"));

    setTabOrder(Commandloschen, Combo1);
    setTabOrder(Combo1, Picture1);
    setTabOrder(Picture1, Command1);
}

void Formfeld1::connectEvents()
{
    connect(Combo1, &QComboBox::activated, this, &Formfeld1::Combo1_Click);
    auto* comboKeys = new KeyFilter(
        Combo1, [this](int16_t& KeyCode, int16_t Shift) { Combo1_KeyDown(KeyCode, Shift); },
        [this](int16_t& KeyAscii) { Combo1_KeyPress(KeyAscii); });
    comboKeys->watch(Combo1->view());
    new KeyFilter(Commandloschen, nullptr, [this](int16_t& KeyAscii) { Commandloschen_KeyPress(KeyAscii); });
    connect(Command1, &QPushButton::clicked, this, &Formfeld1::Command1_Click);
    connect(Commandloschen, &QPushButton::clicked, this, &Formfeld1::Commandloschen_Click);
    for (int16_t i = 0; i < Imagefeld.size(); ++i) {
        connect(Imagefeld(i), &Image::mouseDown, this, [this, i](int16_t button, int16_t shift, float x, float y) {
            Imagefeld_MouseDown(i, button, shift, x, y);
        });
        connect(Imagefeld(i), &Image::mouseMove, this, [this, i](int16_t button, int16_t shift, float x, float y) {
            Imagefeld_MouseMove(i, button, shift, x, y);
        });
    }
}
