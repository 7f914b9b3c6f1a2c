#include "form1.h"

namespace clock_window {

void Form1::Text11_KeyPress(std::int16_t& KeyAscii) { (void)KeyAscii; }
void Form1::Text11_KeyUp() {}
void Form1::Text10_KeyPress(std::int16_t& KeyAscii) { (void)KeyAscii; }
void Form1::Text10_KeyUp() {}
void Form1::Text12_KeyPress(std::int16_t& KeyAscii) { (void)KeyAscii; }
void Form1::Text12_KeyUp() {}
void Form1::Text13_KeyPress(std::int16_t& KeyAscii) { (void)KeyAscii; }
void Form1::Text13_KeyUp() {}

} // namespace clock_window
