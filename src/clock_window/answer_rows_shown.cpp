// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"
#include "time_of_day.h"
#include "visibility.h"

namespace clock_window {
using namespace time_of_day;

// A row's prefix reads "È  L'" only where the hour it names is one o'clock: the digits and
// words rows name h (h + 12 in the second half), the meno rows the next hour.

void Form1::showDigitsRowWithoutPrefix() {
    show(Label62, Label63, Text1, Label64, Text2);
}

void Form1::noonHintsAtHalfPast() {
    if (h == twelveOClock && m == halfPast) {
        show(Label109, Label87);
    }
}

void Form1::digitsRowPrefixFirstHalf() {
    if (h == oneOClock) {
        Label74.Visible = true;
    }
    if (h != oneOClock) {
        Label73.Visible = true;
    }
}

void Form1::digitsRowPrefixSecondHalf() {
    Label73.Visible = true;
}

// On the hour the digits row asks for the hours only; at twelve the noon exact row takes the
// place of the digits meno row.
void Form1::onTheHourRowChanges() {
    hide(Label63, Label64, Text2);
    if (h == twelveOClock) {
        hide(Label81, Label82);
        show(Label86, Label88, Text9);
    }
}

bool Form1::minutesCallForDigitsMenoRow() const {
    return m == twentyFiveTo || m == twentyTo || m == tenTo || m == fiveTo;
}

bool Form1::minutesCallForWordsRow() const {
    return m == quarterPast || m == halfPast || m == quarterTo;
}

void Form1::closingTestsFirstHalf() {
    if (minutesCallForDigitsMenoRow()) {
        showDigitsMenoRow();
        // Either way "SONO  LE": the next hour of the first half is never one o'clock.
        if (h != twelveOClock) {
            Label82.Visible = true;
        }
        if (h == twelveOClock) {
            Label82.Visible = true;
        }
    }
    if (minutesCallForWordsRow()) {
        showWordsRow();
        if (h > oneOClock && h <= twelveOClock) {
            Label76.Visible = true;
        }
        if (h == oneOClock) {
            Label75.Visible = true;
        }
        if (h == twelveOClock) {
            showNoonWordsRow();
        }
    }
    if (m == quarterTo) {
        Label77.Visible = true;
        showWordsMenoRowWithoutPrefix();
        if (h == twelveOClock) {
            showNoonWordsRowHints();
        }
        if (h == elevenOClock) {
            showNoonWordsMenoRow();
        }
    }
    if (h == twelveOClock && m == onTheHour) {
        showNoonExactRow();
        Label66.Caption = daytimeCaption();
    }
}

void Form1::closingTestsSecondHalf() {
    if (minutesCallForDigitsMenoRow()) {
        showDigitsMenoRow();
        if (h != twelveOClock) {
            Label82.Visible = true;
        }
        if (h == twelveOClock) {
            Label81.Visible = true;
        }
    }
    if (minutesCallForWordsRow()) {
        showWordsRow();
        if (h >= oneOClock && h <= twelveOClock) {
            Label76.Visible = true;
        }
        if (h == twelveOClock) {
            showNoonWordsRow();
        }
    }
    if (m == quarterTo) {
        showWordsMenoRowWithoutPrefix();
        if (h == twelveOClock) {
            showNoonWordsRowHints();
        }
        if (h == twelveOClock) {
            Label78.Visible = true;
        }
        if (h != twelveOClock) {
            Label77.Visible = true;
        }
        if (h == elevenOClock) {
            showNoonWordsMenoRow();
        }
    }
    if (h == twelveOClock && m == onTheHour) {
        showNoonExactRow();
    }
}

void Form1::showDigitsMenoRow() {
    show(Label72, Text6, Text5);
}

// With all three hints, whichever quarter was drawn.
void Form1::showWordsRow() {
    show(Label67, Label68, Label69, Label70, Text3, Text4);
}

void Form1::showNoonWordsRow() {
    show(Label103, Text10, Label106, Text11);
}

void Form1::showNoonWordsRowHints() {
    show(Label87, Label109);
}

void Form1::showWordsMenoRowWithoutPrefix() {
    show(Label79, Label65, Text7, Text8);
}

void Form1::showNoonWordsMenoRow() {
    show(Label108, Text12, Label107, Text13, Label104, Label105);
}

void Form1::showNoonExactRow() {
    show(Label86, Label88, Text9);
}

} // namespace clock_window
