#pragma once

#include <QObject>

#include <cstdint>
#include <functional>

// Hands a control's key presses to its KeyDown and KeyPress handlers: KeyDown with the
// key code and shift state for every key but the focus keys Tab and Backtab, then
// KeyPress with the character code for keys that type one. A handler that sets its
// code to 0 cancels the key, or the character, before the control sees it.
class KeyFilter : public QObject {
    Q_OBJECT
public:
    using KeyDown = std::function<void(int16_t& KeyCode, int16_t Shift)>;
    using KeyPress = std::function<void(int16_t& KeyAscii)>;

    KeyFilter(QObject* parent, KeyDown keyDown, KeyPress keyPress);

    // Filters `target` too (for instance a control's drop-down part).
    void watch(QObject* target);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyDown keyDown_;
    KeyPress keyPress_;
};
