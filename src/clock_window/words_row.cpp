#include "form1.h"

namespace clock_window {

void Form1::Text3_KeyPress(std::int16_t& KeyAscii) { (void)KeyAscii; }
void Form1::Text3_KeyUp() {}
void Form1::Text4_KeyPress(std::int16_t& KeyAscii) { (void)KeyAscii; }
void Form1::Text4_KeyUp() {}

} // namespace clock_window
