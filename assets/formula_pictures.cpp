#include "assets/formula_pictures.h"

#include "assets/ink.h"
#include "assets/typeset.h"

#include <QPainter>

namespace formula {

namespace {

using namespace typeset;

const Style regular{.italic = true};
const Style heavy{.bold = true, .italic = true};

// Baselines leave equal room above the vector arrows and below the subscripts.
constexpr double homogeneousBaseline = 2221;

void homogeneous(QPainter& painter, const char* direction)
{
    const Run runs[] = {vector("F = "),       word("-"),         word("k "), times(), vector("e"),
                        subscript(direction), word("; k= 1 N  ")};
    draw(painter, {300, homogeneousBaseline}, runs, regular);
}

void diagonal(QPainter& painter)
{
    constexpr double baseline = 2173;
    const Run law[] = {vector("F = "),         word("k"), subscript("x"), times(), vector("e"), subscript("x"),
                       boldOperator("+", 224), word("k"), subscript("y"), times(), vector("e"), subscript("y")};
    const Run constants[] = {word("; "), word("k"),      subscript("x"), word("= "),
                             word("k"),  subscript("y"), word("=1 N  ")};
    draw(painter, {draw(painter, {690, baseline}, law, regular), baseline}, constants, regular);
}

void flow(QPainter& painter)
{
    const Run index = boldSubscript("o", 224);
    const Run runs[] = {vector("F = k"), word("(a"),         index,          word("²"),  word("-"),
                        word("x"),       word("²"),          word(")"),      times(),    vector("e"),
                        subscript("y"),  word("; k=2 N/cm"), word("²"),      word("; "), word("a"),
                        index,           word("²"),          word("=25 cm"), word("²")};
    draw(painter, {-1280, 2000}, runs, regular);
}

// A central field's law: "F =" and the tail level with the fraction bar, the
// denominator centred under the numerator.
struct Fraction {
    std::span<const Run> numerator;
    std::span<const Run> denominator;
    std::span<const Run> tail;
};

void fraction(QPainter& painter, double left, const Fraction& f)
{
    constexpr double bar = 2320;
    constexpr double level = bar + 125; // the baseline that puts "=" at the bar's height
    constexpr double gap = 60;
    constexpr double overhang = 24;
    const Run lead[] = {vector("F =")};
    const double start = draw(painter, {left, level}, lead, heavy) + gap;
    const double over = width(f.numerator, heavy);
    const double under = width(f.denominator, heavy);
    const double end = start + over + 2 * overhang;
    draw(painter, {start + overhang, bar - 180}, f.numerator, heavy);
    draw(painter, {start + overhang + (over - under) / 2, bar + 305}, f.denominator, heavy);
    ink::line(painter, {{start, bar}, {end, bar}}, Qt::black, 6);
    draw(painter, {end + gap, level}, f.tail, heavy);
}

const Run radialNumerator[] = {word("k(x "), times(),     vector("e"),    subscript("x"), word("+y "),
                               times(),      vector("e"), subscript("y"), word(")")};

void cylinder(QPainter& painter)
{
    const Run denominator[] = {word("|r|²", 384)};
    const Run tail[] = {word("; k =10 "), word("Ncm ")};
    fraction(painter, 24, {radialNumerator, denominator, tail});
}

void sphere(QPainter& painter)
{
    const Run denominator[] = {word("|r|³", 384)};
    const Run tail[] = {word("; k =10 "), word("Ncm"), word("²")};
    fraction(painter, 264, {radialNumerator, denominator, tail});
}

void vortex(QPainter& painter)
{
    const Run numerator[] = {word("k("),   word("-"), word("y "),  times(),        vector("e"), subscript("x"),
                             word("+ x "), times(),   vector("e"), subscript("y"), word(")")};
    const Run denominator[] = {word("|r|²", 384)};
    const Run tail[] = {word("; k =10 "), word("Ncm ")};
    fraction(painter, 24, {numerator, denominator, tail});
}

} // namespace

void draw(QPainter& painter, int entry)
{
    switch (entry) {
    case 1: homogeneous(painter, "y"); break;
    case 2: diagonal(painter); break;
    case 3: homogeneous(painter, "x"); break;
    case 4: cylinder(painter); break;
    case 5: sphere(painter); break;
    case 6: flow(painter); break;
    case 7: vortex(painter); break;
    default: break;
    }
}

} // namespace formula
