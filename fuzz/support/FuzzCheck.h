#pragma once

#include <cstdio>
#include <cstdlib>

namespace orvane::fuzz {

// A broken invariant is a finding: it is named on stderr and the process aborts, so
// libFuzzer keeps the input as a crash and the corpus replay fails on it.
inline void check(bool holds, const char* invariant) {
    if (holds) return;
    std::fprintf(stderr, "invariant broken: %s\n", invariant);
    std::abort();
}

} // namespace orvane::fuzz
