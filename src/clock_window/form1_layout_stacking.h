// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

// The clock window's elements back to front: a later one is drawn over an earlier one
// where they overlap. Every hour hand lies over every minute hand, the disc over the hands,
// the disc, then the alarm clock over it, the banners and the hour numbers over the hands.
namespace clock_window::layout_tables {

inline constexpr std::array<std::string_view, 251> backToFront = {
    // the minute numbers
    "Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8", "Label9",
    "Label10", "Label11", "Label12", "Label13", "Label14", "Label15", "Label16", "Label17",
    "Label18", "Label19", "Label20", "Label21", "Label22", "Label23", "Label24", "Label25",
    "Label26", "Label27", "Label28", "Label29", "Label30", "Label31", "Label32", "Label33",
    "Label34", "Label35", "Label36", "Label37", "Label38", "Label39", "Label40", "Label41",
    "Label42", "Label43", "Label44", "Label45", "Label46", "Label47", "Label48", "Label49",
    "Label50", "Label51", "Label52", "Label53", "Label54", "Label55", "Label56", "Label57",
    "Label58", "Label59", "Label60",
    // the minute hands
    "Image1", "Image2", "Image3", "Image4", "Image5", "Image6", "Image7", "Image8", "Image9",
    "Image10", "Image11", "Image12", "Image13", "Image14", "Image15", "Image16", "Image17",
    "Image18", "Image19", "Image20", "Image21", "Image22", "Image23", "Image24", "Image25",
    "Image26", "Image27", "Image28", "Image29", "Image30", "Image31", "Image32", "Image33",
    "Image34", "Image35", "Image36", "Image37", "Image38", "Image39", "Image40", "Image41",
    "Image42", "Image43", "Image44", "Image45", "Image46", "Image47", "Image48", "Image49",
    "Image50", "Image51", "Image52", "Image53", "Image54", "Image55", "Image56", "Image57",
    "Image58", "Image59", "Image60",
    // the other hour hands
    "Image77", "Image78", "Image79", "Image80", "Image81", "Image82", "Image83", "Image84",
    "Image85", "Image86", "Image87", "Image88", "Image89", "Image90", "Image91", "Image92",
    "Image93", "Image94", "Image95", "Image96", "Image97", "Image98", "Image99", "Image100",
    "Image101", "Image102", "Image103", "Image104", "Image105", "Image106", "Image107", "Image108",
    "Image109", "Image110", "Image111", "Image112", "Image113", "Image114", "Image115", "Image119",
    "Image118", "Image120", "Image117", "Image116",
    // the column headings and the first instruction text
    "Label61", "Label62", "Label63",
    // the feedback faces
    "Image121", "Image122", "Image123",
    // digits row and words row labels
    "Label64", "Label67", "Label68", "Label69", "Label70", "Label72", "Label73", "Label74",
    // the hour hands from 12 to 3 o'clock
    "Image61", "Image62", "Image63", "Image64", "Image65", "Image66", "Image67", "Image68",
    "Image69", "Image70", "Image76", "Image75", "Image73", "Image72", "Image71", "Image74",
    // the disc, then the alarm clock over it
    "Shape1", "Image124",
    // row prefixes, "MENO", "INFO", two banners, the noon exact row's labels
    "Label75", "Label76", "Label77", "Label78", "Label79", "Label81", "Label82", "Label83",
    "Label84", "Label86", "Label88", "Label89",
    // the hour numbers
    "Label91", "Label92", "Label93", "Label94", "Label95", "Label96", "Label97", "Label98",
    "Label99", "Label100", "Label101", "Label102",
    // hints and the noon rows' labels
    "Label103", "Label106", "Label107", "Label108", "Label109", "Label87", "Label104", "Label105",
    "Label65",
    // the sun and the moon
    "Image125", "Image126",
    // the banners
    "Label66", "Label71", "Label80", "Label85", "Label90", "Label110",
    // the second instruction text
    "Label111",
    // the answer boxes
    "Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9", "Text10",
    "Text11", "Text12", "Text13"};

} // namespace clock_window::layout_tables
