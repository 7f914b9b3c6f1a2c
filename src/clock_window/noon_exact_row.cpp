#include "form1.h"

#include "toolkit/colour.h"
#include "toolkit/runtime.h"

#include <string_view>

// Text9: twelve o'clock on the hour in words. One box makes the whole row, so its lock and
// the happy face come at the same key release, together with the sun or the moon.
namespace clock_window {
namespace {
constexpr std::string_view noon = rules::mezzogiorno;
constexpr std::string_view midnight = rules::mezzanotte;
constexpr int noonLength = static_cast<int>(noon.size());
constexpr int midnightLength = static_cast<int>(midnight.size());
constexpr toolkit::Colour noonTextColour = toolkit::colours::yellow;
constexpr toolkit::Colour midnightTextColour = toolkit::colours::black;
} // namespace

// Every key reaches the box. The colour follows the mode at each key press and is what a
// later draw leaves behind. The typing state looks only at the length before the key: a box
// already as long as the word keeps whatever face another row showed.
void Form1::Text9_KeyPress(std::int16_t& KeyAscii) {
    rules::capitalsKeyFilter(KeyAscii);
    if (sclt == 1) {
        Text9.ForeColor = noonTextColour;
        if (toolkit::Len(Text9.Text) != noonLength) {
            faces_.typingState();
        }
    }
    if (sclt == 2) {
        Text9.ForeColor = midnightTextColour;
        if (toolkit::Len(Text9.Text) != midnightLength) {
            faces_.typingState();
        }
    }
}

// Only the first half of the day limits the box; the second takes any length and accepts
// only the exact word. A wrong text changes nothing.
void Form1::Text9_KeyUp() {
    if (sclt == 1) {
        rules::lengthGuard(Text9, noonLength);
        if (rules::holdsWord(Text9, noon) && toolkit::Len(Text9.Text) == noonLength) {
            faces_.successState();
            Image125.Visible = true;
            rules::boxLock(Text9);
        }
    }
    if (sclt == 2) {
        if (rules::holdsWord(Text9, midnight) && toolkit::Len(Text9.Text) == midnightLength) {
            faces_.successState();
            Image126.Visible = true;
            rules::boxLock(Text9);
        }
    }
}

} // namespace clock_window
