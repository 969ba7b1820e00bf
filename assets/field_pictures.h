#pragma once

class QPainter;

namespace field {

// The field picture of an entry of the field list, 0 to 7: the frame and the entry's
// field lines. Entries 4 and 5 share one picture.
void draw(QPainter& painter, int entry);

} // namespace field
