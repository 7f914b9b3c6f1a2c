// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include "form1_layout.h"

namespace clock_window {

// One named reference a line, so that a reader finds each by its name.
// clang-format off
Form1::Form1(toolkit::WindowHost& host, toolkit::RandomSource& random)
    : toolkit::Window(form1Layout(), host),
      Label84(label("Label84")),
      Label89(label("Label89")),
      Label66(label("Label66")),
      Label71(label("Label71")),
      Label80(label("Label80")),
      Label85(label("Label85")),
      Label90(label("Label90")),
      Label110(label("Label110")),
      Label62(label("Label62")),
      Label63(label("Label63")),
      Label64(label("Label64")),
      Label65(label("Label65")),
      Label67(label("Label67")),
      Label68(label("Label68")),
      Label69(label("Label69")),
      Label70(label("Label70")),
      Label72(label("Label72")),
      Label73(label("Label73")),
      Label74(label("Label74")),
      Label75(label("Label75")),
      Label76(label("Label76")),
      Label77(label("Label77")),
      Label78(label("Label78")),
      Label79(label("Label79")),
      Label81(label("Label81")),
      Label82(label("Label82")),
      Label86(label("Label86")),
      Label87(label("Label87")),
      Label88(label("Label88")),
      Label103(label("Label103")),
      Label104(label("Label104")),
      Label105(label("Label105")),
      Label106(label("Label106")),
      Label107(label("Label107")),
      Label108(label("Label108")),
      Label109(label("Label109")),
      Label83(label("Label83")),
      Text1(textBox("Text1")),
      Text2(textBox("Text2")),
      Text3(textBox("Text3")),
      Text4(textBox("Text4")),
      Text5(textBox("Text5")),
      Text6(textBox("Text6")),
      Text7(textBox("Text7")),
      Text8(textBox("Text8")),
      Text9(textBox("Text9")),
      Text10(textBox("Text10")),
      Text11(textBox("Text11")),
      Text12(textBox("Text12")),
      Text13(textBox("Text13")),
      Image121(picture("Image121")),
      Image122(picture("Image122")),
      Image123(picture("Image123")),
      Image124(picture("Image124")),
      Image125(picture("Image125")),
      Image126(picture("Image126")),
      random_(random), faces_{Image121, Image122, Image123} {
    // clang-format on
    Load = [this] { Form_Load(); };
    Image124.Click = [this] { Image124_Click(); };
    Text1.KeyPress = [this](std::int16_t& KeyAscii) { Text1_KeyPress(KeyAscii); };
    Text1.KeyUp = [this] { Text1_KeyUp(); };
    Text2.KeyPress = [this](std::int16_t& KeyAscii) { Text2_KeyPress(KeyAscii); };
    Text2.KeyUp = [this] { Text2_KeyUp(); };
    Text3.KeyPress = [this](std::int16_t& KeyAscii) { Text3_KeyPress(KeyAscii); };
    Text3.KeyUp = [this] { Text3_KeyUp(); };
    Text4.KeyPress = [this](std::int16_t& KeyAscii) { Text4_KeyPress(KeyAscii); };
    Text4.KeyUp = [this] { Text4_KeyUp(); };
    Text5.KeyPress = [this](std::int16_t& KeyAscii) { Text5_KeyPress(KeyAscii); };
    Text5.KeyUp = [this] { Text5_KeyUp(); };
    Text6.KeyPress = [this](std::int16_t& KeyAscii) { Text6_KeyPress(KeyAscii); };
    Text6.KeyUp = [this] { Text6_KeyUp(); };
    Text7.KeyPress = [this](std::int16_t& KeyAscii) { Text7_KeyPress(KeyAscii); };
    Text7.KeyUp = [this] { Text7_KeyUp(); };
    Text8.KeyPress = [this](std::int16_t& KeyAscii) { Text8_KeyPress(KeyAscii); };
    Text8.KeyUp = [this] { Text8_KeyUp(); };
    Text9.KeyPress = [this](std::int16_t& KeyAscii) { Text9_KeyPress(KeyAscii); };
    Text9.KeyUp = [this] { Text9_KeyUp(); };
    Text10.KeyPress = [this](std::int16_t& KeyAscii) { Text10_KeyPress(KeyAscii); };
    Text10.KeyUp = [this] { Text10_KeyUp(); };
    Text11.KeyPress = [this](std::int16_t& KeyAscii) { Text11_KeyPress(KeyAscii); };
    Text11.KeyUp = [this] { Text11_KeyUp(); };
    Text12.KeyPress = [this](std::int16_t& KeyAscii) { Text12_KeyPress(KeyAscii); };
    Text12.KeyUp = [this] { Text12_KeyUp(); };
    Text13.KeyPress = [this](std::int16_t& KeyAscii) { Text13_KeyPress(KeyAscii); };
    Text13.KeyUp = [this] { Text13_KeyUp(); };
}

} // namespace clock_window
