#include "app/controls/inked_tiles.h"

#include <algorithm>
#include <cmath>

// Qt's pen reaches a hundredth of a pixel beyond its half width at most; half a pixel more
// keeps clear of every rounding.
InkedTiles::InkedTiles(const QImage& image, const QPen& pen)
    : image_(image), ink_(pen.color().rgba()), ratio_(image.devicePixelRatio()),
      reach_(std::max(pen.widthF(), 1.0) * ratio_ / 2 + 0.5), columns_((image.width() + side - 1) / side),
      rows_((image.height() + side - 1) / side), blockColumns_((columns_ + blocks - 1) / blocks),
      inked_(static_cast<size_t>(columns_) * static_cast<size_t>(rows_), 0),
      inkedInBlock_(static_cast<size_t>(blockColumns_) * static_cast<size_t>((rows_ + blocks - 1) / blocks), 0)
{
}

// Calls `visit(column, row)` for every square of `size` device pixels holding a pixel whose
// centre lies within reach of the line, and maybe a few more; stops at the first that
// returns false.
template <class Visit>
bool InkedTiles::everySquare(const QLineF& line, int size, Visit&& visit) const
{
    const QPointF a = line.p1() * ratio_, b = line.p2() * ratio_;
    const double top = std::min(a.y(), b.y()) - reach_ - 1, bottom = std::max(a.y(), b.y()) + reach_;
    const int firstRow = std::max(0, static_cast<int>(std::floor(top / size)));
    const int lastRow = std::min((rows_ * side - 1) / size, static_cast<int>(std::floor(bottom / size)));
    for (int row = firstRow; row <= lastRow; ++row) {
        // The stretch of the line within reach_ of this band of rows.
        double t0 = 0, t1 = 1;
        if (a.y() != b.y()) {
            t0 = (row * size - reach_ - a.y()) / (b.y() - a.y());
            t1 = ((row + 1) * size + reach_ - a.y()) / (b.y() - a.y());
            t0 = std::clamp(t0, 0.0, 1.0);
            t1 = std::clamp(t1, 0.0, 1.0);
        }
        const double x0 = a.x() + t0 * (b.x() - a.x()), x1 = a.x() + t1 * (b.x() - a.x());
        const int firstColumn = std::max(0, static_cast<int>(std::floor((std::min(x0, x1) - reach_ - 1) / size)));
        const int lastColumn =
            std::min((columns_ * side - 1) / size, static_cast<int>(std::floor((std::max(x0, x1) + reach_) / size)));
        for (int column = firstColumn; column <= lastColumn; ++column)
            if (!visit(column, row))
                return false;
    }
    return true;
}

bool inkedEverywhere(const QImage& image, const QRect& area, QRgb ink)
{
    const QRect inside = area & image.rect();
    if (inside.isEmpty())
        return true;
    const uchar* line = image.constBits() + static_cast<qsizetype>(inside.top()) * image.bytesPerLine();
    for (int y = inside.top(); y <= inside.bottom(); ++y, line += image.bytesPerLine()) {
        const auto* pixels = reinterpret_cast<const QRgb*>(line);
        if (!std::all_of(pixels + inside.left(), pixels + inside.right() + 1, [ink](QRgb p) { return p == ink; }))
            return false;
    }
    return true;
}

bool InkedTiles::allInk(int column, int row) const
{
    return inkedEverywhere(image_, QRect(column * side, row * side, side, side), ink_);
}

// Whether the pixels of the square whose centres lie within reach of the segment a–b,
// in device pixels, are inked.
bool InkedTiles::inkedNear(int column, int row, QPointF a, QPointF b) const
{
    const int right = std::min(image_.width(), (column + 1) * side);
    const int bottom = std::min(image_.height(), (row + 1) * side);
    const QPointF along = b - a;
    const double length2 = QPointF::dotProduct(along, along);
    for (int y = row * side; y < bottom; ++y) {
        const auto* pixels = reinterpret_cast<const QRgb*>(image_.constScanLine(y));
        for (int x = column * side; x < right; ++x) {
            if (pixels[x] == ink_)
                continue;
            const QPointF centre(x + 0.5, y + 0.5);
            const double t = length2 > 0 ? std::clamp(QPointF::dotProduct(centre - a, along) / length2, 0.0, 1.0) : 0.0;
            const QPointF off = centre - (a + t * along);
            if (QPointF::dotProduct(off, off) <= reach_ * reach_)
                return false;
        }
    }
    return true;
}

bool InkedTiles::blockInked(int column, int row) const
{
    const int squares = std::min(blocks, columns_ - column * blocks) * std::min(blocks, rows_ - row * blocks);
    return inkedInBlock_[static_cast<size_t>(row * blockColumns_ + column)] == squares;
}

bool InkedTiles::cover(const QLineF& line) const
{
    if (everySquare(line, side * blocks, [this](int column, int row) { return blockInked(column, row); }))
        return true;
    const QPointF a = line.p1() * ratio_, b = line.p2() * ratio_;
    return everySquare(line, side, [&](int column, int row) {
        return inked_[static_cast<size_t>(row * columns_ + column)] || inkedNear(column, row, a, b);
    });
}

void InkedTiles::update(const QLineF& line)
{
    everySquare(line, side, [this](int column, int row) {
        const auto at = static_cast<size_t>(row * columns_ + column);
        if (!inked_[at] && allInk(column, row)) {
            inked_[at] = 1;
            ++inkedInBlock_[static_cast<size_t>(row / blocks * blockColumns_ + column / blocks)];
        }
        return true;
    });
}
