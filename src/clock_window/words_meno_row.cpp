// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include "toolkit/runtime.h"

namespace clock_window {

void Form1::Text8_KeyPress(std::int16_t& KeyAscii) {
    rules::capitalsKeyFilter(KeyAscii);
    faces_.typingState();
    rules::lengthGuard(Text8, toolkit::Len(orameno));
}

void Form1::Text8_KeyUp() {
    if (rules::holdsWord(Text8, orameno)) {
        rules::boxLock(Text8);
    }
    if (rules::bothLocked(Text8, Text7)) {
        faces_.successState();
    }
}

// Typing here never touches the faces: they keep whatever any row set last.
void Form1::Text7_KeyPress(std::int16_t& KeyAscii) {
    rules::capitalsKeyFilter(KeyAscii);
    rules::lengthGuard(Text7, toolkit::Len(rules::unQuarto));
}

void Form1::Text7_KeyUp() {
    if (rules::holdsWord(Text7, rules::unQuarto)) {
        rules::boxLock(Text7);
    }
    if (rules::bothLocked(Text8, Text7)) {
        faces_.successState();
    }
}

} // namespace clock_window
