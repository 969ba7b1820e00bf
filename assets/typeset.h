#pragma once

#include "assets/ink.h"

#include <QFont>
#include <QPointF>
#include <QString>

#include <span>
#include <vector>

class QPainter;

// Formulas set as runs of text, one after the other along a baseline.
namespace typeset {

enum class Place {
    line,    // on the baseline
    lowered, // a subscript
    centred, // a small operator, centred on the height of the line's "=" bars
};

struct Run {
    QString text;
    int size = 480;
    Place place = Place::line;
    bool arrow = false; // a vector arrow over the run's first letter
    bool bold = false;  // bold even where the formula is not
};

Run word(const char* text, int size = 480);
Run vector(const char* text, int size = 480);
Run subscript(const char* text, int size = 256);
Run boldOperator(const char* text, int size);
Run boldSubscript(const char* text, int size);
Run times(); // the multiplication dot, in subscript size

using Style = ink::Style;

QFont font(const Run& run, const Style& style);
double width(std::span<const Run> runs, const Style& style);

// Where along the baseline each run starts when the runs are set from `origin` on.
std::vector<double> starts(QPointF origin, std::span<const Run> runs, const Style& style);

// Draws the runs from `origin` on; returns where the baseline ends.
double draw(QPainter& painter, QPointF origin, std::span<const Run> runs, const Style& style);

// The arrow that marks a vector: a bar with a triangular head pointing right, above the
// letter `letter` set in `font` at `origin`.
void vectorArrow(QPainter& painter, QPointF origin, QChar letter, const QFont& font);

// How far a letter with its vector arrow reaches above the baseline.
double vectorHeight(QChar letter, const QFont& font);

} // namespace typeset
