#include "app/accessibility.h"

#include "app/formfeld1.h"
#include "app/label_array_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>

#include <mutex>

// Labels announce their live text as their name, so the read-outs and index labels get a
// description only; a name would hide the text. The field pictures' description is
// their hover text (Qt falls back to the tool tip), so they get a name only.
namespace {

// The drawings are plain QWidgets, which reach the bus as fillers that screen readers
// pass over; they are pictures. The segment numbers are drawn by one widget too, but are
// text: each is announced as a label of its own.
QAccessibleInterface* accessibleDrawing(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType() || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    if (auto* labels = qobject_cast<LabelArray*>(object))
        return accessibleLabelArray(*labels);
    if (qobject_cast<Image*>(object) || qobject_cast<PictureBox*>(object) || qobject_cast<Shape*>(object) ||
        qobject_cast<ArrayLayer*>(object))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    return nullptr;
}

// Qt tells the accessibility bus when a label's text changes, but not when a tool tip
// does; a screen reader would keep reading the first hover text.
class HoverTextAnnouncer : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ToolTipChange) {
            QAccessibleEvent changed(watched, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&changed);
        }
        return false;
    }
};

void describe(QWidget* widget, const QString& name, const QString& description = {})
{
    widget->setAccessibleName(name);
    widget->setAccessibleDescription(description);
}

} // namespace

void describeForAssistiveTechnology(Formfeld1& form)
{
    static std::once_flag factory;
    std::call_once(factory, [] { QAccessible::installFactory(accessibleDrawing); });

    // The title bar stays empty; the window is still called by the program's name.
    form.setAccessibleName(QStringLiteral("Arbeit im Kraftfeld"));

    describe(form.Command1, QStringLiteral("Energie"),
             QStringLiteral("Zeigt das Arbeitsdiagramm oder blendet es aus."));
    describe(form.Commandloschen, QStringLiteral("Linien löschen"),
             QStringLiteral("Löscht den gezeichneten Weg mit allen Strecken, setzt beide Arbeitsanzeigen auf "
                            "0 Ncm zurück und leert das Arbeitsdiagramm."));
    // On Linux Qt announces the list by its current entry whatever its name is; the
    // description then says what the list is for.
    describe(form.Combo1, QStringLiteral("Kraftfeld"),
             QStringLiteral("Auswahl des Kraftfeldes, in dem der Weg gezeichnet wird. Die Liste wird mit der Maus "
                            "bedient."));
    describe(form.Picture1, QStringLiteral("Arbeitsdiagramm"),
             QStringLiteral("Schräge räumliche Darstellung des gezeichneten Weges; die Höhe ist die bis dahin "
                            "verrichtete Arbeit."));

    form.Label1->setAccessibleDescription(QStringLiteral("Arbeit auf der offenen Strecke"));
    form.Label2->setAccessibleDescription(QStringLiteral("Gesamtarbeit auf dem Weg, auf ganze Ncm abgerundet"));
    form.Labelin->setAccessibleDescription(QStringLiteral("Nummer der offenen Strecke in der Formel ihrer Arbeit"));
    form.Labeln(1)->setAccessibleDescription(QStringLiteral("Nummer des Endpunkts der offenen Strecke"));
    form.Labeln(0)->setAccessibleDescription(QStringLiteral("Nummer des Anfangspunkts der offenen Strecke"));
    form.Labeln(2)->setAccessibleDescription(QStringLiteral("Obere Grenze der Summe in der Formel der Gesamtarbeit"));
    form.Labeln(3)->setAccessibleDescription(QStringLiteral("Nummer der Strecke in der Formel der Gesamtarbeit"));
    form.Labeln(4)->setAccessibleDescription(QStringLiteral("Nummer des Endpunkts des ganzen Weges"));
    form.Labeln(5)->setAccessibleDescription(QStringLiteral("Nummer des Anfangspunkts des ganzen Weges"));
    describe(form.Label3, QStringLiteral("Ursprung"),
             QStringLiteral("Hält den Mauszeiger vom Ursprung fern, wo das Feld keinen Wert hat."));

    describe(form.Image1, QStringLiteral("Formel der Arbeit auf einer Strecke"),
             QStringLiteral("Integral der Kraft längs der Strecke vom Punkt n-1 zum Punkt n"));
    describe(form.Image2, QStringLiteral("Formel der Gesamtarbeit"),
             QStringLiteral("Summe der Arbeit aller Strecken vom ersten bis zum letzten Punkt"));

    auto* announcer = new HoverTextAnnouncer(&form);
    for (int16_t i = 0; i < form.Imagefeld.size(); ++i) {
        const QString field = form.Combo1->itemText(i);
        form.Imagefeld(i)->setAccessibleName(QStringLiteral("Feldbild: ") + field);
        form.Imagefeld(i)->installEventFilter(announcer);
        describe(form.Imageformel(i),
                 i == 0 ? QStringLiteral("Kein Kraftgesetz") : QStringLiteral("Kraftgesetz: ") + field);
    }
    for (int16_t i = 0; i < form.Shapekugel.size(); ++i)
        describe(form.Shapekugel(i), QStringLiteral("Kreis um den Ursprung"),
                 QStringLiteral("Äquipotentiallinie im Kugelfeld"));
    for (int16_t i = 0; i < form.Shapezylinder.size(); ++i)
        describe(form.Shapezylinder(i), QStringLiteral("Kreis um den Ursprung"),
                 QStringLiteral("Äquipotentiallinie im Zylinderfeld, Feldlinie im Wirbelfeld"));
    describe(form.Line1, QStringLiteral("Gezeichneter Weg"), QStringLiteral("Die Strecken des Weges, Klick für Klick"));
    describe(form.Labellnr, QStringLiteral("Nummern der Strecken"));
}
