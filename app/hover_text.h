#pragma once

class QObject;

// Hover texts that never take the pointer. Qt shows a hover text as a window of its own
// just below and right of the pointer; a quick movement down and to the right lands on it,
// and without this the movement and the presses after it would go to that window instead
// of the field picture beneath. `owner` ends the arrangement when it is destroyed.
void letPointerThroughHoverTexts(QObject* owner);
