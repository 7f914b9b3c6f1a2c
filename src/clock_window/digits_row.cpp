#include "form1.h"

namespace clock_window {

void Form1::Text1_KeyPress(std::int16_t& KeyAscii) { (void)KeyAscii; }
void Form1::Text1_KeyUp() {}
void Form1::Text2_KeyPress(std::int16_t& KeyAscii) { (void)KeyAscii; }
void Form1::Text2_KeyUp() {}

} // namespace clock_window
