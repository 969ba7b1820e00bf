#pragma once

#include <QImage>
#include <QLineF>
#include <QPen>

#include <cstdint>
#include <vector>

// Whether every pixel of `area`, in device pixels, is `ink`. Pixels off the image count as
// inked: nothing is drawn there.
bool inkedEverywhere(const QImage& image, const QRect& area, QRgb ink);

// Which squares of an image are wholly inked, so that a line lying on nothing but inked
// pixels can be left out where drawing it would change none. Square by square first, so
// that checking a line costs a few dozen look-ups however long it is; only in a square not
// wholly inked are the pixels near the line looked at. Blocks of squares first of all: once
// thousands of lines cover the picture, a handful of look-ups settle most.
class InkedTiles {
public:
    // For lines drawn with `pen`, opaque and without antialiasing, into `image`.
    InkedTiles(const QImage& image, const QPen& pen);

    // Whether every square the line, in logical pixels, could touch is inked. Squares off
    // the image count as inked: nothing is drawn there.
    bool cover(const QLineF& line) const;
    // Looks again at the squares the line could touch, once it has been drawn.
    void update(const QLineF& line);

private:
    static constexpr int side = 8;   // of a square, device pixels
    static constexpr int blocks = 4; // squares a block of them has along each side

    template <class Visit>
    bool everySquare(const QLineF& line, int size, Visit&& visit) const;
    bool allInk(int column, int row) const;
    bool inkedNear(int column, int row, QPointF a, QPointF b) const;
    bool blockInked(int column, int row) const;

    const QImage& image_;
    QRgb ink_;
    double ratio_;
    double reach_; // device pixels from the line that the pen may touch, and a margin
    int columns_, rows_;
    int blockColumns_;
    std::vector<uint8_t> inked_;
    std::vector<int> inkedInBlock_; // how many squares of each block are inked
};
