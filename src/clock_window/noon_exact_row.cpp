#include "form1.h"

namespace clock_window {

void Form1::Text9_KeyPress(std::int16_t& KeyAscii) { (void)KeyAscii; }
void Form1::Text9_KeyUp() {}

} // namespace clock_window
