#pragma once

#include <QImage>
#include <QLineF>
#include <QPen>

#include <vector>

// Whether every pixel of `area`, in device pixels, is `ink`. Pixels off the image count as
// inked: nothing is drawn there.
bool inkedEverywhere(const QImage& image, const QRect& area, QRgb ink);

// Which squares of an image are wholly inked, so that a line lying on nothing but inked
// pixels can be left out where drawing it would change none. Square by square first, so
// that checking a line costs a few dozen look-ups however long it is; only in a square not
// wholly inked are the pixels near the line looked at.
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
    static constexpr int side = 8;

    template <class Visit>
    bool everyTile(const QLineF& line, Visit&& visit) const;
    bool allInk(int column, int row) const;
    bool inkedNear(int column, int row, QPointF a, QPointF b) const;

    const QImage& image_;
    QRgb ink_;
    double ratio_;
    double reach_; // device pixels from the line that the pen may touch, and a margin
    int columns_, rows_;
    std::vector<bool> inked_;
};
