#pragma once

#include "state/number.h"

#include <cstdint>

// The window's module-level variables: the only channel between its handlers. Every
// value starts at zero and tracing starts off; nothing is saved between runs.
struct WindowState {
    float xpos = 0;   // pointer x at the last movement over the field picture, snapped twips
    float ypos = 0;   // pointer y, snapped twips, growing downward
    float xstart = 0; // start point of the newest segment, snapped twips
    float ystart = 0;
    float xstartcm = 0; // that start point in field units (cm), refreshed at every traced movement
    float ystartcm = 0;
    Number arbeit = int16_t{0}; // work of the open segment, Ncm; its type follows its last writer
    float summe = 0;            // work of the finished segments since the last reset, Ncm
    int16_t lnr = 0;            // number of traced segments; the newest is element lnr
    uint8_t feldnr = 0;         // chosen entry of the field list, 0 to 7
    bool zeichnen = false;      // tracing: movements extend the newest segment
};
