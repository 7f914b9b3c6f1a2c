#include "form1.h"

#include "toolkit/runtime.h"

namespace clock_window {
namespace {
int minutesToGo(int m) {
    return 60 - m;
}
} // namespace

// The limit depends on the mode and the hour; from ten o'clock on (and at noon in the
// first half) the next-hour box has no guard at all, so it can hold any number of digits.
void Form1::Text6_KeyPress(std::int16_t& KeyAscii) {
    rules::digitKeyFilter(KeyAscii);
    if (sclt == 1) {
        faces_.typingState();
        if (h >= 1 && h <= 8) {
            rules::lengthGuard(Text6, lenh);
        }
        if (h == 9) {
            rules::lengthGuard(Text6, lenh + 1);
        }
    }
    if (sclt == 2) {
        faces_.typingState();
        if (h >= 1 && h <= 8) {
            rules::lengthGuard(Text6, toolkit::Len(h + 12));
        }
        if (h == 9) {
            rules::lengthGuard(Text6, toolkit::Len(h + 13));
        }
        if (h == 12) {
            rules::lengthGuard(Text6, toolkit::Len(h + 11));
        }
    }
}

// The row check reads both values afresh, so it succeeds whether or not Text5 is locked.
// After noon comes 13; after midnight comes 1.
void Form1::Text6_KeyUp() {
    if (sclt == 1) {
        if (h >= 1 && h <= 8) {
            rules::lengthGuard(Text6, lenh);
        }
        if (h == 9) {
            rules::lengthGuard(Text6, lenh + 1);
        }
        if (h >= 1 && h <= 11) {
            if (rules::holdsValue(Text6, h + 1)) {
                rules::boxLock(Text6);
            }
            if (rules::holdsValue(Text6, h + 1) && rules::holdsValue(Text5, minutesToGo(m))) {
                faces_.successState();
            }
        }
        if (h == 12 && m != 60) {
            if (rules::holdsValue(Text6, 13)) {
                rules::boxLock(Text6);
            }
            if (rules::holdsValue(Text6, 13) && rules::holdsValue(Text5, minutesToGo(m))) {
                faces_.successState();
            }
        }
    }
    if (sclt == 2) {
        if (h >= 1 && h <= 8) {
            rules::lengthGuard(Text6, toolkit::Len(h + 12));
        }
        if (h == 9) {
            rules::lengthGuard(Text6, toolkit::Len(h + 13));
        }
        if (h == 12) {
            rules::lengthGuard(Text6, toolkit::Len(h + 11));
        }
        if (h >= 1 && h <= 11) {
            if (rules::holdsValue(Text6, h + 13)) {
                rules::boxLock(Text6);
            }
            if (rules::holdsValue(Text6, h + 13) && rules::holdsValue(Text5, minutesToGo(m))) {
                faces_.successState();
            }
        }
        if (h == 12 && m != 60) {
            if (rules::holdsValue(Text6, 1)) {
                rules::boxLock(Text6);
            }
            if (rules::holdsValue(Text6, 1) && rules::holdsValue(Text5, minutesToGo(m))) {
                faces_.successState();
            }
        }
    }
}

void Form1::Text5_KeyPress(std::int16_t& KeyAscii) {
    rules::digitKeyFilter(KeyAscii);
    faces_.typingState();
    rules::lengthGuard(Text5, toolkit::Len(minutesToGo(m)));
}

// No guard here: a third digit typed at a two-digit limit stays until the next key press.
void Form1::Text5_KeyUp() {
    if (rules::holdsValue(Text5, minutesToGo(m))) {
        rules::boxLock(Text5);
    }
    if (rules::bothLocked(Text5, Text6)) {
        faces_.successState();
    }
}

} // namespace clock_window
