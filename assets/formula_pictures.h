#pragma once

class QPainter;

namespace formula {

// The force law of field entries 1 to 7, in one line below the field picture.
void draw(QPainter& painter, int entry);

} // namespace formula
