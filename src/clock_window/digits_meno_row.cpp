#include "form1.h"

namespace clock_window {

void Form1::Text6_KeyPress(std::int16_t& KeyAscii) { (void)KeyAscii; }
void Form1::Text6_KeyUp() {}
void Form1::Text5_KeyPress(std::int16_t& KeyAscii) { (void)KeyAscii; }
void Form1::Text5_KeyUp() {}

} // namespace clock_window
