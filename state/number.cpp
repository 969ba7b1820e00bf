#include "state/number.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

namespace {

// Enough for the fixed form of any double with a few decimals.
constexpr int kBufferSize = 400;

// The exact binary value written in decimal, rounded to nearest, ties to even, and read back
// as the nearest value: no scaling error anywhere. Where the C++ library has no
// floating-point to_chars (LLVM's before version 17, which WebAssembly builds use), the C
// library's conversions, exact too, stand in; they read and write the C library's decimal
// point, so text made by one is read only by the other, and digits are told by isdigit.
#if defined(__cpp_lib_to_chars)
char* written(char* first, char* last, double v, std::chars_format format, int precision)
{
    return std::to_chars(first, last, v, format, precision).ptr;
}

template <class T>
T readBack(const char* first, const char* last)
{
    T result{};
    std::from_chars(first, last, result);
    return result;
}
#else
char* written(char* first, char* last, double v, std::chars_format format, int precision)
{
    const char* pattern = format == std::chars_format::fixed ? "%.*f" : "%.*e";
    const int length = std::snprintf(first, last - first, pattern, precision, v);
    return first + std::clamp(length, 0, static_cast<int>(last - first) - 1);
}

template <class T>
T readBack(const char* first, const char*)
{
    if constexpr (std::is_same_v<T, float>)
        return std::strtof(first, nullptr);
    else
        return std::strtod(first, nullptr);
}
#endif

template <class T>
T roundedDecimal(double v, int decimals)
{
    if (!std::isfinite(v))
        return static_cast<T>(v);
    char buffer[kBufferSize];
    const char* end = written(buffer, buffer + kBufferSize, v, std::chars_format::fixed, decimals);
    return readBack<T>(buffer, end);
}

// Positional text of |v| with at most `significant` significant digits.
QString positional(double v, int significant, const QString& decimalPoint)
{
    if (!std::isfinite(v))
        return QString::number(v); // never expected; left visible rather than disguised
    char buffer[64];
    const char* end =
        written(buffer, buffer + sizeof buffer, std::fabs(v), std::chars_format::scientific, significant - 1);
    const std::string_view all(buffer, end - buffer);
    const auto e = all.find('e');
    int exponent = 0;
    std::from_chars(all.data() + e + 1 + (all[e + 1] == '+'), all.data() + all.size(), exponent);

    std::string digits;
    for (char c : all.substr(0, e))
        if (std::isdigit(static_cast<unsigned char>(c)))
            digits += c;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    if (digits == "0")
        return QStringLiteral("0");

    const bool negative = std::signbit(v);
    QString out = negative ? QStringLiteral("-") : QString();
    const int count = static_cast<int>(digits.size());
    if (exponent < 0) {
        out += QLatin1Char('0') + decimalPoint + QString(-exponent - 1, QLatin1Char('0'));
        out += QString::fromLatin1(digits.data(), count);
        return out;
    }
    const int whole = exponent + 1;
    if (count <= whole)
        return out + QString::fromLatin1(digits.data(), count) + QString(whole - count, QLatin1Char('0'));
    return out + QString::fromLatin1(digits.data(), whole) + decimalPoint +
           QString::fromLatin1(digits.data() + whole, count - whole);
}

} // namespace

namespace numbers {

double toDouble(const Number& v)
{
    return std::visit([](auto x) { return static_cast<double>(x); }, v);
}

double Round(double v, int decimals)
{
    return roundedDecimal<double>(v, decimals);
}

float Round(float v, int decimals)
{
    return roundedDecimal<float>(v, decimals);
}

Number Round(const Number& v, int decimals)
{
    return std::visit(
        [decimals](auto x) -> Number {
            if constexpr (std::is_integral_v<decltype(x)>)
                return x;
            else
                return Round(x, decimals);
        },
        v);
}

int16_t toInt16(double v)
{
    constexpr double lowest = std::numeric_limits<int16_t>::min();
    constexpr double highest = std::numeric_limits<int16_t>::max();
    if (std::isnan(v))
        return 0;
    // nearbyint honours the default rounding mode: to nearest, ties to even.
    return static_cast<int16_t>(std::clamp(std::nearbyint(v), lowest, highest));
}

float Int(float v)
{
    return std::floor(v);
}

Number plus(float a, const Number& b)
{
    return std::visit(
        [a](auto x) -> Number {
            if constexpr (std::is_same_v<decltype(x), double>)
                return static_cast<double>(a) + x;
            else
                return a + static_cast<float>(x);
        },
        b);
}

QString text(int v, const QLocale&)
{
    return QString::number(v);
}

QString text(float v, const QLocale& locale)
{
    return positional(v, 7, locale.decimalPoint());
}

QString text(double v, const QLocale& locale)
{
    return positional(v, 15, locale.decimalPoint());
}

QString text(const Number& v, const QLocale& locale)
{
    return std::visit(
        [&locale](auto x) {
            if constexpr (std::is_integral_v<decltype(x)>)
                return text(static_cast<int>(x), locale);
            else
                return text(x, locale);
        },
        v);
}

QString readout(const Number& work, const QLocale& locale)
{
    return text(work, locale) + QStringLiteral(" Ncm");
}

} // namespace numbers
