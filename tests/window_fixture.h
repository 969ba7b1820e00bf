#pragma once

// Drives the real window with input events, as a learner would.
#include "app/formfeld1.h"

#include <QAbstractItemView>
#include <QFontInfo>
#include <QTest>

#include <memory>

namespace fixture {

inline QPoint pixelAt(float xTwips, float yTwips)
{
    return units::pixelGeometry({xTwips, yTwips, 0, 0}).topLeft();
}

// The helpers report failure to the test, which checks it (QVERIFY), so that a failure
// ends the test where it happens.

// The window at its place on the screen, shown and painted.
[[nodiscard]] inline bool show(Formfeld1& form)
{
    form.show();
    return QTest::qWaitForWindowExposed(&form);
}

// A new window, shown, with numbers in the C locale's format; none if it never shows.
[[nodiscard]] inline std::unique_ptr<Formfeld1> open()
{
    QLocale::setDefault(QLocale::c());
    auto form = std::make_unique<Formfeld1>();
    if (!show(*form))
        return nullptr;
    return form;
}

// Mouse input at a point of the window in twips. It enters through the window, as the
// platform's input does, so Qt routes it to whatever control lies there.
inline void moveTo(Formfeld1& form, float x, float y)
{
    QTest::mouseMove(form.windowHandle(), pixelAt(x, y));
}

inline void press(Formfeld1& form, Qt::MouseButton button, float x, float y)
{
    QTest::mousePress(form.windowHandle(), button, {}, pixelAt(x, y));
    QTest::mouseRelease(form.windowHandle(), button, {}, pixelAt(x, y));
}

inline void pressLeftAt(Formfeld1& form, float x, float y)
{
    moveTo(form, x, y);
    press(form, Qt::LeftButton, x, y);
}

// Opens the list with its arrow, points at the entry and clicks it; false if the entry
// did not become the chosen field.
[[nodiscard]] inline bool choose(Formfeld1& form, int entry)
{
    QComboBox* combo = form.Combo1;
    QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(combo->width() - 6, combo->height() / 2));
    QAbstractItemView* view = combo->view();
    if (!QTest::qWaitFor([view] { return view->isVisible(); }))
        return false;
    const QPoint item = view->visualRect(view->model()->index(entry, 0)).center();
    // Qt drops a movement to where the pointer already is; come from elsewhere.
    QTest::mouseMove(view->viewport(), QPoint(1, 1));
    QTest::mouseMove(view->viewport(), item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item);
    return QTest::qWaitFor([view] { return !view->isVisible(); }) && form.state().feldnr == entry;
}

// What a control shows on screen, in the screen's own pixels.
inline QImage pixelsOf(QWidget* w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The family a font is drawn in. Where the system has the family too, from another
// foundry, Qt adds the foundry's name, which this leaves off.
inline QString familyShown(const QFont& font)
{
    const QString family = QFontInfo(font).family();
    return family.left(family.indexOf(QStringLiteral(" [")));
}

inline int visibleIndex(const ControlArray<Image>& images)
{
    int found = -1;
    for (int16_t i = 0; i < images.size(); ++i)
        if (!images(i)->isHidden())
            found = found == -1 ? i : -2;
    return found;
}

} // namespace fixture
