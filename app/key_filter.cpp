#include "app/key_filter.h"

#include "app/event_codes.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace {

bool isFocusKey(int key)
{
    return key == Qt::Key_Tab || key == Qt::Key_Backtab;
}

// Space presses a focused button: a key of the button's own, not a typed character.
bool activatesButton(QObject* watched, const QKeyEvent& event)
{
    return qobject_cast<QAbstractButton*>(watched) && event.key() == Qt::Key_Space;
}

} // namespace

KeyFilter::KeyFilter(QObject* parent, KeyDown keyDown, KeyPress keyPress)
    : QObject(parent), keyDown_(std::move(keyDown)), keyPress_(std::move(keyPress))
{
    parent->installEventFilter(this);
}

void KeyFilter::watch(QObject* target)
{
    target->installEventFilter(this);
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    const bool shortcut = event->type() == QEvent::ShortcutOverride;
    if (event->type() != QEvent::KeyPress && !shortcut)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (isFocusKey(key.key()))
        return false;
    // Claim the key as an ordinary key press, so that nothing acts on it as a shortcut
    // (the open list would take Return as a choice) before the handlers have seen it.
    if (shortcut) {
        event->accept();
        return true;
    }

    bool cancelled = false;
    if (keyDown_) {
        int16_t code = keyCode(key);
        keyDown_(code, shiftCode(key.modifiers()));
        cancelled = code == 0;
    }
    if (keyPress_ && !key.text().isEmpty()) {
        int16_t character = static_cast<int16_t>(key.text().at(0).unicode());
        keyPress_(character);
        cancelled = cancelled || (character == 0 && !activatesButton(watched, key));
    }
    return cancelled;
}
