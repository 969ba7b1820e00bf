#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>
#include <variant>

// A number as the window's variables hold it. `arbeit` changes its type with its writer:
// the integer 0 after a reset, single precision after the homogeneous fields, double
// precision after the others. The type decides how many digits its text shows.
using Number = std::variant<int16_t, float, double>;

// The helpers the window's handlers use on numbers.
namespace numbers {

double toDouble(const Number& v);

// Rounds to `decimals` places; a tie goes to the even neighbour. Whether a value is a tie
// is decided on its exact binary value: 0.125 is one, 1.005 (stored just below) is not.
double Round(double v, int decimals);
float Round(float v, int decimals);
Number Round(const Number& v, int decimals);

// Converts to a 16-bit integer, a tie going to the even neighbour; values beyond the
// range saturate.
int16_t toInt16(double v);

// The largest integer not greater than v, kept in single precision.
float Int(float v);

// The sum a + b in the type the two operands give: single precision unless b is a double.
Number plus(float a, const Number& b);

// Numbers as text in the general format of the regional settings: the locale's decimal
// separator, no grouping, no trailing zeros, a leading minus for negative values, never
// an exponent and never a minus zero. Single precision shows up to 7 significant digits,
// double precision up to 15.
QString text(int v, const QLocale& locale = QLocale());
QString text(float v, const QLocale& locale = QLocale());
QString text(double v, const QLocale& locale = QLocale());
QString text(const Number& v, const QLocale& locale = QLocale());

// A work value as its read-out shows it: the text, then " Ncm".
QString readout(const Number& work, const QLocale& locale = QLocale());

} // namespace numbers
