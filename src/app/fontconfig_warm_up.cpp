#include "fontconfig_warm_up.h"

#include <fontconfig/fontconfig.h>

namespace app {

// A failed reading is not reported here: Qt's own first call reads the configuration again
// and handles the failure as it would without this.
FontconfigWarmUp::FontconfigWarmUp() : worker_([] { FcInit(); }) {}

FontconfigWarmUp::~FontconfigWarmUp() {
    wait();
}

void FontconfigWarmUp::wait() {
    if (worker_.joinable()) {
        worker_.join();
    }
}

} // namespace app
