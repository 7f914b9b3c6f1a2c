// SPDX-License-Identifier: GPL-3.0-or-later
#include "scripted_random.h"

namespace clock_test {

void ScriptedRandom::give(const std::vector<float>& values) {
    values_.insert(values_.end(), values.begin(), values.end());
}

float ScriptedRandom::next() {
    log += 'D';
    if (used_ < values_.size()) {
        drawn.push_back(values_[used_++]);
    } else {
        overdrawn = true;
        drawn.push_back(generator_.next());
    }
    return drawn.back();
}

void ScriptedRandom::reseedFromTimer() {
    log += 'R';
    generator_.reseedFromTimer();
}

void ScriptedRandom::clearLog() {
    log.clear();
    drawn.clear();
}

} // namespace clock_test
