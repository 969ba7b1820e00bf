#include "app/key_filter.h"

#include "app/image.h"

#include <QAbstractButton>
#include <QKeyEvent>

#include <unordered_map>

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

int16_t keyCode(const QKeyEvent& event)
{
    static const std::unordered_map<int, int16_t> codes = {
        {Qt::Key_Backspace, 8}, {Qt::Key_Return, 13},   {Qt::Key_Enter, 13},  {Qt::Key_Shift, 16},
        {Qt::Key_Control, 17},  {Qt::Key_Alt, 18},      {Qt::Key_Escape, 27}, {Qt::Key_Space, 32},
        {Qt::Key_PageUp, 33},   {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},    {Qt::Key_Home, 36},
        {Qt::Key_Left, 37},     {Qt::Key_Up, 38},       {Qt::Key_Right, 39},  {Qt::Key_Down, 40},
        {Qt::Key_Insert, 45},   {Qt::Key_Delete, 46},
    };
    const int key = event.key();
    if (const auto found = codes.find(key); found != codes.end())
        return found->second;
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return static_cast<int16_t>(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return static_cast<int16_t>(112 + (key - Qt::Key_F1));
    return 255; // any other key: a code that is not 0, which would mean "cancelled"
}

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
