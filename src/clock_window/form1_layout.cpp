#include "form1_layout.h"

namespace clock_window {

const toolkit::WindowSpec& form1Layout() {
    static const toolkit::WindowSpec spec{.name = "Form1"};
    return spec;
}

} // namespace clock_window
