#pragma once

#include <thread>

namespace app {

// Fontconfig reads its whole configuration the first time a program asks it anything, which
// takes about as long as making the clock window. Qt first asks once it has a display, so
// the reading runs on a worker thread while the application object connects to it.
class FontconfigWarmUp {
  public:
    FontconfigWarmUp();
    ~FontconfigWarmUp();
    FontconfigWarmUp(const FontconfigWarmUp&) = delete;
    FontconfigWarmUp& operator=(const FontconfigWarmUp&) = delete;

    // Returns once the configuration is read. Call it before anything looks up a font:
    // two first callers would each read the configuration.
    void wait();

  private:
    std::thread worker_;
};

} // namespace app
