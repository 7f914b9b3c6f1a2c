#include "form1.h"

namespace clock_window {

void Form1::Form_Load() {}

} // namespace clock_window
