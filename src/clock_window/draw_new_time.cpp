#include "form1.h"

namespace clock_window {

void Form1::Image124_Click() {}

} // namespace clock_window
