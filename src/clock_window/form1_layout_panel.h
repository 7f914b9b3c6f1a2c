// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form1_layout_rows.h"

#include <array>

// The instruction texts, "INFO" and the answer panel on the right of the dial.
namespace clock_window::layout_tables {

using namespace layout_rows;
using toolkit::colours::blue;
using toolkit::colours::green;
using toolkit::colours::white;
using toolkit::colours::yellow;

inline constexpr FontSpec tahoma12 = {tahoma, 12, true};
inline constexpr FontSpec tahoma975 = {tahoma, 9.75, true};
inline constexpr FontSpec tahoma825 = {tahoma, 8.25, true};
inline constexpr FontSpec tahoma675 = {tahoma, 6.75, true};
inline constexpr FontSpec times825 = {timesNewRoman, 8.25, true};
inline constexpr FontSpec times675 = {timesNewRoman, 6.75, true};

inline constexpr std::array<ElementSpec, 3> instructionTexts = {{
    panelLabel("Label61", "CLICCA SULLA SVEGLIETTA AL CENTRO E SCRIVI L'ORA INDICATA DALL'ARDESINO",
               {6840, 120, 5055, 975}, tahoma975, Alignment::Centre),
    {.name = "Label111",
     .kind = ElementKind::Label,
     .place = {7440, 680, 3975, 255},
     .caption = "NELLE CASELLE LUNGHE SCRIVI IN LETTERE",
     .foreColor = pink,
     .font = tahoma825,
     .alignment = Alignment::Centre},
    {.name = "Label83",
     .kind = ElementKind::Label,
     .place = {120, 8040, 975, 375},
     .caption = "INFO",
     .font = tahoma12,
     .alignment = Alignment::Centre,
     .pointer = pointingHand},
}};

// The left box of a pair writes green, the right one yellow. The tab indices give the
// focus order Text1, Text2, Text3, Text4, Text11, Text10, Text8, Text7, Text12, Text13,
// Text6, Text5, Text9. The names for screen readers follow the rows' headings and joining
// words; no two are the same.
inline constexpr std::array<ElementSpec, 13> answerBoxes = {
    answerBox("Text1", {9240, 1200, 735, 375}, green, 12, 63, "ORE"),
    answerBox("Text2", {10320, 1200, 735, 375}, yellow, 12, 64, "MINUTI"),
    answerBox("Text9", {8880, 1890, 2295, 495}, white, 12, 93, "MEZZOGIORNO O MEZZANOTTE"),
    answerBox("Text6", {9000, 1920, 735, 405}, green, 12, 78, "ORE, CON MENO"),
    answerBox("Text5", {10440, 1920, 735, 405}, yellow, 12, 79, "MINUTI, CON MENO"),
    answerBox("Text3", {9000, 5160, 1455, 360}, green, 6.75, 66, "ORE IN LETTERE"),
    answerBox("Text4", {10680, 5160, 1215, 360}, yellow, 6.75, 67, "MINUTI IN LETTERE"),
    answerBox("Text11", {9000, 5640, 1455, 360}, green, 6.75, 68,
              "MEZZOGIORNO O MEZZANOTTE, CON E"),
    answerBox("Text10", {10680, 5640, 1215, 360}, yellow, 6.75, 69,
              "MINUTI IN LETTERE, DOPO MEZZOGIORNO O MEZZANOTTE"),
    answerBox("Text8", {8520, 6735, 1455, 375}, green, 8.25, 70, "ORE IN LETTERE, CON MENO"),
    answerBox("Text7", {10680, 6690, 1215, 405}, yellow, 8.25, 71, "MINUTI IN LETTERE, CON MENO"),
    answerBox("Text12", {8520, 7215, 1455, 360}, green, 6.75, 72,
              "MEZZOGIORNO O MEZZANOTTE, CON MENO"),
    answerBox("Text13", {10680, 7215, 1215, 360}, yellow, 6.75, 73,
              "MINUTI IN LETTERE, CON MENO, DOPO MEZZOGIORNO O MEZZANOTTE"),
};

// Row prefixes, joining words, column headings and hints, top to bottom. Label77 to
// Label79 are lower than their text: what does not fit is cut off.
inline constexpr std::array<ElementSpec, 28> panelLabels = {
    panelLabel("Label62", "ORE", {9240, 960, 735, 255}, tahoma825, Alignment::Centre),
    panelLabel("Label63", "MINUTI", {10320, 960, 735, 255}, tahoma825, Alignment::Centre),
    panelLabel("Label73", "SONO  LE", {8280, 1320, 975, 255}, tahoma825, Alignment::Left),
    panelLabel("Label74", "È  L'", {8760, 1320, 495, 255}, tahoma825, Alignment::Left),
    panelLabel("Label64", "e", {9960, 1320, 375, 255}, tahoma825, Alignment::Centre),
    panelLabel("Label82", "SONO  LE", {8160, 2040, 855, 255}, tahoma825, Alignment::Left),
    panelLabel("Label81", "È  L'", {8520, 2040, 495, 255}, tahoma825, Alignment::Left),
    opaqueLabel("Label88", "È", {8520, 2040, 375, 375}, tahoma825, blue),
    panelLabel("Label72", "meno", {9720, 2040, 735, 375}, tahoma825, Alignment::Centre),
    panelLabel("Label86", "MEZZOGIORNO-MEZZANOTTE", {8760, 2520, 2535, 375}, tahoma825,
               Alignment::Centre),
    panelLabel("Label68", "15 minuti = UN QUARTO", {9000, 4080, 2055, 255}, tahoma825,
               Alignment::Left),
    panelLabel("Label69", "30 minuti = MEZZO", {9000, 4440, 1695, 255}, tahoma825, Alignment::Left),
    panelLabel("Label70", "45 minuti = TRE QUARTI", {9000, 4800, 2175, 255}, tahoma825,
               Alignment::Left),
    panelLabel("Label76", "SONO  LE", {8280, 5200, 735, 255}, times675, Alignment::Left),
    panelLabel("Label75", "È  L'", {8640, 5200, 375, 255}, times675, Alignment::Left),
    panelLabel("Label67", "E", {10440, 5200, 255, 255}, tahoma675, Alignment::Centre),
    opaqueLabel("Label103", "È", {8760, 5700, 255, 255}, tahoma675, blue),
    panelLabel("Label106", "E", {10440, 5700, 255, 255}, tahoma675, Alignment::Centre),
    panelLabel("Label109", "È MEZZOGIORNO", {9120, 6000, 1215, 255}, times675, Alignment::Centre),
    panelLabel("Label87", "MEZZANOTTE", {9120, 6240, 1215, 255}, times675, Alignment::Centre),
    panelLabel("Label65", "45 minuti = meno UN QUARTO", {9000, 6480, 2655, 255}, times825,
               Alignment::Left),
    panelLabel("Label77", "SONO  LE", {7800, 6800, 735, 135}, tahoma675, Alignment::Left),
    panelLabel("Label78", "È  L'", {8040, 6800, 495, 135}, tahoma675, Alignment::Left),
    panelLabel("Label79", "MENO", {9960, 6800, 735, 135}, tahoma675, Alignment::Centre),
    opaqueLabel("Label108", "È", {8280, 7280, 255, 255}, tahoma675, blue),
    panelLabel("Label107", "MENO", {10080, 7280, 495, 255}, tahoma675, Alignment::Centre),
    panelLabel("Label104", "MEZZOGIORNO", {8640, 7680, 1215, 255}, times675, Alignment::Centre),
    panelLabel("Label105", "MEZZANOTTE", {8640, 7920, 1215, 255}, times675, Alignment::Centre),
};

// The three feedback faces share one place; the sun and the moon overlap at the top right.
inline constexpr std::array<ElementSpec, 5> panelPictures = {
    stretchedPicture("Image121", "face-sad", {9600, 3000, 840, 840}, "FACCINA TRISTE"),
    stretchedPicture("Image122", "face-neutral", {9600, 3000, 825, 840}, "FACCINA SERIA"),
    stretchedPicture("Image123", "face-happy", {9600, 3000, 840, 840}, "FACCINA CONTENTA"),
    stretchedPicture("Image125", "sun", {11160, 1800, 735, 810}, "SOLE"),
    stretchedPicture("Image126", "moon", {11040, 1680, 795, 810}, "LUNA"),
};

} // namespace clock_window::layout_tables
