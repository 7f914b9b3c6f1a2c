// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"
#include "visibility.h"

#include <string>

namespace clock_window {
namespace {

std::string imageName(int number) {
    return "Image" + std::to_string(number);
}

} // namespace

// Hides everything that belongs to an exercise, so only the static part of the window shows
// until the first draw, and fills the hand tables through which the hands are reached.
void Form1::Form_Load() {
    hide(Label84, Label89, Label66, Label71, Label80, Label85, Label90, Label110, Label87, Image125,
         Image126, Label65, Label107, Label108, Label109, Label104, Label105, Text12, Text13,
         Label103, Text11, Label106, Text10, Label88, Text9, Label86, Label81, Label82, Label77,
         Label78, Label79, Text7, Text8, Label75, Label76, Label67, Label68, Label69, Label70,
         Text3, Text4, Image121, Image122, Image123, Label62, Label63, Label64, Text1, Text2,
         Label73, Label74, Label72, Text6, Text5);

    for (int k = 1; k <= handsPerTable; ++k) {
        lancm[k] = &picture(imageName(k));
    }
    for (int i = 1; i <= handsPerTable; ++i) {
        lancm[i]->Visible = false;
    }

    // The hour hands follow the minute hands in the layout's numbering.
    for (int k = 1; k <= handsPerTable; ++k) {
        lanch[k] = &picture(imageName(handsPerTable + k));
    }
    for (int i = 1; i <= handsPerTable; ++i) {
        lanch[i]->Visible = false;
    }
}

} // namespace clock_window
