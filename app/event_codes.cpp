#include "app/event_codes.h"

#include <QKeyEvent>

#include <unordered_map>

int16_t buttonCode(Qt::MouseButtons buttons)
{
    return static_cast<int16_t>((buttons & Qt::LeftButton ? leftButton : 0) |
                                (buttons & Qt::RightButton ? rightButton : 0) |
                                (buttons & Qt::MiddleButton ? middleButton : 0));
}

int16_t shiftCode(Qt::KeyboardModifiers modifiers)
{
    return static_cast<int16_t>((modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
                                (modifiers & Qt::AltModifier ? 4 : 0));
}

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
