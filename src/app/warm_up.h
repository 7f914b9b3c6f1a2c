#pragma once

#include <functional>
#include <thread>

namespace app {

// Runs a piece of start-up work on a worker thread while the GUI thread goes on building
// the window. The work must be thread-safe and must not report failure: whatever it warms
// up, the code that needs it later does again, and handles a failure, as if it had not run.
class WarmUp {
  public:
    explicit WarmUp(std::function<void()> work);
    ~WarmUp();
    WarmUp(const WarmUp&) = delete;
    WarmUp& operator=(const WarmUp&) = delete;

    // Returns once the work is done.
    void wait();

  private:
    std::thread worker_;
};

} // namespace app
