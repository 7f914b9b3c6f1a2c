// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"
#include "time_of_day.h"
#include "visibility.h"

#include "toolkit/runtime.h"
#include "toolkit/windows1252.h"

#include <array>
#include <string_view>

namespace clock_window {
using namespace time_of_day;

namespace {

constexpr int halfDayModes = 2;

// The hours of the day in words; word n stands at index n - 1.
constexpr int hoursInADay = 24;
constexpr std::array<std::string_view, hoursInADay> hourWords{
    "UNA",        "DUE",         "TRE",      "QUATTRO",  "CINQUE",      "SEI",
    "SETTE",      "OTTO",        "NOVE",     "DIECI",    "UNDICI",      "DODICI",
    "TREDICI",    "QUATTORDICI", "QUINDICI", "SEDICI",   "DICIASSETTE", "DICIOTTO",
    "DICIANNOVE", "VENTI",       "VENTUNO",  "VENTIDUE", "VENTITRE",    "VENTIQUATTRO"};

std::string hourWord(int hourOfDay) {
    return std::string(hourWords[hourOfDay - 1]);
}

// Where each part of the day begins, as an hour on the dial.
constexpr int dawnBegins = 5;       // first half: 5 o'clock
constexpr int morningBegins = 8;    // first half: 8 o'clock
constexpr int sunsetBegins = 6;     // second half: 18 o'clock
constexpr int eveningBegins = 8;    // second half: 20 o'clock
constexpr int lateNightBegins = 11; // second half: 23 o'clock

// Int(count × r + 1): a whole number from 1 to count for every 0 <= r < 1. Worked in double
// precision: in single precision the largest r below 1 rounds count × r + 1 up to count + 1,
// which would leave the draw without a mode, a hand or a word.
int wholeNumberFromOneTo(int count, float r) {
    return static_cast<int>(toolkit::Int(count * static_cast<double>(r) + 1.0));
}

} // namespace

const std::string& Form1::afternoonCaption() {
    static const std::string caption = toolkit::windows1252::fromUtf8("È POMERIGGIO");
    return caption;
}

const std::string& Form1::daytimeCaption() {
    static const std::string caption = toolkit::windows1252::fromUtf8("È GIORNO");
    return caption;
}

// Wipes the exercise in progress and draws a new time. What it leaves behind depends only on
// the four random values it takes; it reads no control and no earlier exercise state.
void Form1::Image124_Click() {
    Label66.Caption = afternoonCaption();
    hideBannersSunMoonAndNoonRows();
    drawHalfDayMode();
    resetAnswerPanel();
    handReset();

    if (sclt == firstHalfOfDay) {
        drawTimeOfFirstHalf();
    }
    if (sclt == secondHalfOfDay) {
        drawTimeOfSecondHalf();
    }
}

void Form1::hideBannersSunMoonAndNoonRows() {
    hide(Label84, Label89, Label66, Label71, Label80, Label85, Label90, Label110, Label87, Image125,
         Image126, Label65, Label107, Label108, Label109, Label104, Label105, Label103, Text11,
         Label106, Text10, Text12, Text13, Label86, Label88, Text9);
}

// The first value is overwritten at once: the mode is the second one's.
void Form1::drawHalfDayMode() {
    sclt = static_cast<float>(wholeNumberFromOneTo(halfDayModes, random_.next()));
    sclt = static_cast<float>(wholeNumberFromOneTo(halfDayModes, random_.next()));
}

// Every box empty and enabled, so whatever was typed or locked before is gone.
void Form1::resetAnswerPanel() {
    hide(Label81, Label82);
    for (toolkit::TextBox* box : answerBoxes()) {
        box->Enabled = true;
    }
    for (toolkit::TextBox* box : answerBoxes()) {
        box->Text.clear();
    }
    hide(Label77, Label78, Label79, Text7, Text8, Label75, Label76, Label67, Label68, Label69,
         Label70, Text3, Text4);
    faces_.typingState();
    hide(Label62, Label63, Label64, Text1, Text2, Label72, Text6, Text5, Label73, Label74);
}

std::array<toolkit::TextBox*, Form1::answerBoxCount> Form1::answerBoxes() {
    return {&Text1, &Text2, &Text3,  &Text4,  &Text5,  &Text6, &Text7,
            &Text8, &Text9, &Text10, &Text11, &Text12, &Text13};
}

void Form1::drawTimeOfFirstHalf() {
    showDigitsRowWithoutPrefix();
    handReset();
    random_.reseedFromTimer();
    drawMinutes();
    lenm = static_cast<float>(toolkit::Len(m));
    minuteHandShow();
    drawHour();
    noonHintsAtHalfPast();
    partOfDayBannerFirstHalf();
    lenh = static_cast<float>(toolkit::Len(h));
    digitsRowPrefixFirstHalf();
    ora = hourWord(h);
    orameno = hourWord(h + 1);
    hourHandShow();
    closingTestsFirstHalf();
}

void Form1::drawTimeOfSecondHalf() {
    showDigitsRowWithoutPrefix();
    handReset();
    random_.reseedFromTimer();
    drawMinutes();
    lenm = static_cast<float>(toolkit::Len(m));
    minuteHandShow();
    drawHour();
    noonHintsAtHalfPast();
    partOfDayBannerSecondHalf();
    lenh = static_cast<float>(toolkit::Len(h)); // of the dial's hour, not of h + 12
    digitsRowPrefixSecondHalf();
    ora = hourWord(h + hoursOnTheDial);
    orameno = nextHourWordSecondHalf();
    hourHandShow();
    closingTestsSecondHalf();
}

void Form1::drawMinutes() {
    m = wholeNumberFromOneTo(minutesPerHour, random_.next());
}

void Form1::drawHour() {
    h = wholeNumberFromOneTo(hoursOnTheDial, random_.next());
}

// Each test on its own; for a whole h from 1 to 12 exactly one of them holds.
void Form1::partOfDayBannerFirstHalf() {
    if (h >= oneOClock && h < dawnBegins) {
        Label110.Visible = true;
    }
    if (h >= dawnBegins && h < morningBegins) {
        Label84.Visible = true;
    }
    if (h >= morningBegins && h < twelveOClock) {
        Label89.Visible = true;
    }
    if (h == twelveOClock) {
        Label66.Visible = true;
    }
}

void Form1::partOfDayBannerSecondHalf() {
    if (h >= oneOClock && h < sunsetBegins) {
        Label71.Visible = true;
    }
    if (h >= sunsetBegins && h < eveningBegins) {
        Label80.Visible = true;
    }
    if (h >= eveningBegins && h < lateNightBegins) {
        Label85.Visible = true;
    }
    if (h >= lateNightBegins) {
        Label90.Visible = true;
    }
}

// Midnight is followed by one o'clock of the next day.
std::string Form1::nextHourWordSecondHalf() const {
    if (h == twelveOClock) {
        return hourWord(oneOClock);
    }
    return hourWord(h + hoursOnTheDial + 1);
}

} // namespace clock_window
