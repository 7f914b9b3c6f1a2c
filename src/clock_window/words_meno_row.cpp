#include "form1.h"

namespace clock_window {

void Form1::Text8_KeyPress(std::int16_t& KeyAscii) { (void)KeyAscii; }
void Form1::Text8_KeyUp() {}
void Form1::Text7_KeyPress(std::int16_t& KeyAscii) { (void)KeyAscii; }
void Form1::Text7_KeyUp() {}

} // namespace clock_window
