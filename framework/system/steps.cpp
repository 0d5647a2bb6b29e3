#include "framework/system/steps.h"

#include <algorithm>

bool StepList::Add(long key, Fn step) {
    auto at = std::lower_bound(steps_.begin(), steps_.end(), key,
                               [](const std::pair<long, Fn>& e, long k) { return e.first < k; });
    if (at != steps_.end() && at->first == key) return false;
    steps_.insert(at, {key, step});
    return true;
}

void StepList::Run(long first, long last) const {
    for (const auto& [key, step] : steps_)
        if (key >= first && key <= last) step();
}
