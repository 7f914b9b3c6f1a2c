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

    // Part-of-day banners.
    toolkit::Label &Label84, &Label89, &Label66, &Label71, &Label80, &Label85, &Label90, &Label110;
    // The answer panel: prefixes, joining words, "È" boxes, headings and hints.
    toolkit::Label &Label62, &Label63, &Label64, &Label65, &Label67, &Label68, &Label69, &Label70;
    toolkit::Label &Label72, &Label73, &Label74, &Label75, &Label76, &Label77, &Label78, &Label79;
    toolkit::Label &Label81, &Label82, &Label86, &Label87, &Label88, &Label103, &Label104;
    toolkit::Label &Label105, &Label106, &Label107, &Label108, &Label109;
    // "INFO": its click belongs to the credits window.
    toolkit::Label& Label83;
    toolkit::TextBox &Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text7, &Text8, &Text9;
    toolkit::TextBox &Text10, &Text11, &Text12, &Text13;
    toolkit::Picture &Image121, &Image122, &Image123, &Image124, &Image125, &Image126;

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
