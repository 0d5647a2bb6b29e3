// An ordered list of steps, each under a key of its own. The steps run in
// key order whatever the order they were added in, so an order that matters
// (the resets draw random numbers) never depends on the order in which the
// program's static initialisers happen to run.
#pragma once
#include <climits>
#include <utility>
#include <vector>

class StepList {
public:
    using Fn = void (*)();

    // Adds a step under key; false (and nothing added) when the key is taken.
    bool Add(long key, Fn step);
    // Runs the steps whose keys lie in [first, last], in key order.
    void Run(long first = LONG_MIN, long last = LONG_MAX) const;

private:
    std::vector<std::pair<long, Fn>> steps_;
};
