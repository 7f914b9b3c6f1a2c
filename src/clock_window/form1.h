// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "answer_rules.h"
#include "toolkit/random.h"
#include "toolkit/window.h"

#include <array>
#include <cstdint>
#include <string>

namespace clock_window {

// What a draw leaves for the answer boxes to check against.
struct ExerciseState {
    float sclt = 0; // half-day mode: 1 hours 1 to 12, 2 hours 13 to 24
    int m = 0;      // minutes 1 to 60; 60 is on the hour
    int h = 0;      // hour on the dial, 1 to 12
    float lenm = 0;
    float lenh = 0;
    std::string ora;
    std::string orameno;
};

// The clock window: the whole game.
class Form1 : public toolkit::Window {
  public:
    Form1(toolkit::WindowHost& host, toolkit::RandomSource& random);

    void Form_Load();
    void Image124_Click();

    void Text1_KeyPress(std::int16_t& KeyAscii);
    void Text1_KeyUp();
    void Text2_KeyPress(std::int16_t& KeyAscii);
    void Text2_KeyUp();
    void Text3_KeyPress(std::int16_t& KeyAscii);
    void Text3_KeyUp();
    void Text4_KeyPress(std::int16_t& KeyAscii);
    void Text4_KeyUp();
    void Text5_KeyPress(std::int16_t& KeyAscii);
    void Text5_KeyUp();
    void Text6_KeyPress(std::int16_t& KeyAscii);
    void Text6_KeyUp();
    void Text7_KeyPress(std::int16_t& KeyAscii);
    void Text7_KeyUp();
    void Text8_KeyPress(std::int16_t& KeyAscii);
    void Text8_KeyUp();
    void Text9_KeyPress(std::int16_t& KeyAscii);
    void Text9_KeyUp();
    void Text10_KeyPress(std::int16_t& KeyAscii);
    void Text10_KeyUp();
    void Text11_KeyPress(std::int16_t& KeyAscii);
    void Text11_KeyUp();
    void Text12_KeyPress(std::int16_t& KeyAscii);
    void Text12_KeyUp();
    void Text13_KeyPress(std::int16_t& KeyAscii);
    void Text13_KeyUp();

    ExerciseState exerciseState() const { return {sclt, m, h, lenm, lenh, ora, orameno}; }
    const std::array<toolkit::Picture*, 61>& minuteHandTable() const { return lancm; }
    const std::array<toolkit::Picture*, 61>& hourHandTable() const { return lanch; }

    // Part-of-day banners on the dial.
    toolkit::Label& Label84;  // "È  L'ALBA"
    toolkit::Label& Label89;  // "È  MATTINA"
    toolkit::Label& Label66;  // "È   POMERIGGIO", "È GIORNO" at noon on the hour
    toolkit::Label& Label71;  // "È  POMERIGGIO"
    toolkit::Label& Label80;  // "È  IL TRAMONTO"
    toolkit::Label& Label85;  // "È  SERA"
    toolkit::Label& Label90;  // "È  NOTTE", from eleven at night
    toolkit::Label& Label110; // "È  NOTTE", until four in the morning
    // The answer panel: headings, row prefixes, joining words and hints.
    toolkit::Label& Label62;  // "ORE", heading of the hours column
    toolkit::Label& Label63;  // "MINUTI", heading of the minutes column
    toolkit::Label& Label64;  // "e", digits row
    toolkit::Label& Label65;  // "45 minuti = meno UN QUARTO", words meno row hint
    toolkit::Label& Label67;  // "E", words row
    toolkit::Label& Label68;  // "15 minuti = UN QUARTO", words row hint
    toolkit::Label& Label69;  // "30 minuti = MEZZO", words row hint
    toolkit::Label& Label70;  // "45 minuti = TRE QUARTI", words row hint
    toolkit::Label& Label72;  // "meno", digits meno row
    toolkit::Label& Label73;  // "SONO  LE", digits row prefix
    toolkit::Label& Label74;  // "È  L'", digits row prefix at one in the morning
    toolkit::Label& Label75;  // "È  L'", words row prefix at one in the morning
    toolkit::Label& Label76;  // "SONO  LE", words row prefix
    toolkit::Label& Label77;  // "SONO  LE", words meno row prefix
    toolkit::Label& Label78;  // "È  L'", words meno row prefix at a quarter to one at night
    toolkit::Label& Label79;  // "MENO", words meno row
    toolkit::Label& Label81;  // "È  L'", digits meno row prefix before one at night
    toolkit::Label& Label82;  // "SONO  LE", digits meno row prefix
    toolkit::Label& Label86;  // "MEZZOGIORNO-MEZZANOTTE", noon exact row hint
    toolkit::Label& Label87;  // "MEZZANOTTE", hint at twelve, half past or a quarter to
    toolkit::Label& Label88;  // "È", noon exact row prefix
    toolkit::Label& Label103; // "È", noon words row prefix
    toolkit::Label& Label104; // "MEZZOGIORNO", noon words meno row hint
    toolkit::Label& Label105; // "MEZZANOTTE", noon words meno row hint
    toolkit::Label& Label106; // "E", noon words row
    toolkit::Label& Label107; // "MENO", noon words meno row
    toolkit::Label& Label108; // "È", noon words meno row prefix
    toolkit::Label& Label109; // "È MEZZOGIORNO", hint at twelve, half past or a quarter to
    // "INFO": its click belongs to the credits window.
    toolkit::Label& Label83;
    // The answer boxes, by row.
    toolkit::TextBox& Text1;    // digits row: the hour
    toolkit::TextBox& Text2;    // digits row: the minutes
    toolkit::TextBox& Text3;    // words row: the hour word
    toolkit::TextBox& Text4;    // words row: the fraction word
    toolkit::TextBox& Text5;    // digits meno row: the minutes to go
    toolkit::TextBox& Text6;    // digits meno row: the next hour
    toolkit::TextBox& Text7;    // words meno row: "UN QUARTO"
    toolkit::TextBox& Text8;    // words meno row: the next-hour word
    toolkit::TextBox& Text9;    // noon exact row: "MEZZOGIORNO" or "MEZZANOTTE"
    toolkit::TextBox& Text10;   // noon words row: the fraction word
    toolkit::TextBox& Text11;   // noon words row: "MEZZOGIORNO" or "MEZZANOTTE"
    toolkit::TextBox& Text12;   // noon words meno row: "MEZZOGIORNO" or "MEZZANOTTE"
    toolkit::TextBox& Text13;   // noon words meno row: "UN QUARTO"
    toolkit::Picture& Image121; // the sad face
    toolkit::Picture& Image122; // the neutral face: the typing state
    toolkit::Picture& Image123; // the happy face: the success state
    toolkit::Picture& Image124; // the alarm clock: a click draws a new time
    toolkit::Picture& Image125; // the sun, at noon on the hour
    toolkit::Picture& Image126; // the moon, at midnight on the hour

  private:
    static constexpr int handsPerTable = 60;
    static constexpr int answerBoxCount = 13;

    // Steps of the draw of a new time, in the order Image124_Click runs them.
    void hideBannersSunMoonAndNoonRows();
    void drawHalfDayMode();
    void resetAnswerPanel();
    void drawTimeOfFirstHalf();
    void drawTimeOfSecondHalf();
    void drawMinutes();
    void drawHour();
    void partOfDayBannerFirstHalf();
    void partOfDayBannerSecondHalf();
    std::string nextHourWordSecondHalf() const;
    // Label66's two captions, Windows-1252.
    static const std::string& afternoonCaption();
    static const std::string& daytimeCaption();

    // The hands, reached through lancm and lanch.
    void handReset();
    void minuteHandShow();
    void hourHandShow();

    // The answer rows that the drawn time calls for.
    void showDigitsRowWithoutPrefix();
    void noonHintsAtHalfPast();
    void digitsRowPrefixFirstHalf();
    void digitsRowPrefixSecondHalf();
    void onTheHourRowChanges();
    void closingTestsFirstHalf();
    void closingTestsSecondHalf();
    void showDigitsMenoRow();
    void showWordsRow();
    void showNoonWordsRow();
    void showNoonWordsRowHints();
    void showWordsMenoRowWithoutPrefix();
    void showNoonWordsMenoRow();
    void showNoonExactRow();
    bool minutesCallForDigitsMenoRow() const;
    bool minutesCallForWordsRow() const;

    std::array<toolkit::TextBox*, answerBoxCount> answerBoxes();

    toolkit::RandomSource& random_;
    FeedbackFaces faces_;

    float sclt = 0;
    int m = 0;
    int h = 0;
    float lenm = 0;
    float lenh = 0;
    std::string ora;
    std::string orameno;

    // Slot k (1 to 60) of lancm is the minute hand of minute k; slot k of lanch the hour
    // hand on tick k - 1. Slot 0 is never used.
    std::array<toolkit::Picture*, 61> lancm{};
    std::array<toolkit::Picture*, 61> lanch{};
};

} // namespace clock_window
