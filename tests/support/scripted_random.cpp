#include "scripted_random.h"

namespace clock_test {

void ScriptedRandom::give(const std::vector<float>& values) {
    values_.insert(values_.end(), values.begin(), values.end());
}

float ScriptedRandom::next() {
    log += 'D';
    if (used_ < values_.size()) {
        return values_[used_++];
    }
    overdrawn = true;
    return 0.0f;
}

void ScriptedRandom::reseed(double seconds) {
    log += 'R';
    seeds.push_back(seconds);
}

} // namespace clock_test
