#pragma once
// Bounds on how long a failure may take to be reported (a silent receiver
// given up on, a reply that ends a wait before its time-out) are checked on
// the wall clock. They are set for an optimised build; a build with
// AddressSanitizer and UndefinedBehaviorSanitizer runs several times slower,
// so its bounds are widened by this factor. A bound still catches a wait that
// runs to its time-out or a retry that never ends.

namespace mtz4::test {

#ifdef MTZ4_SANITIZED_BUILD
inline constexpr int TimeBoundFactor = 3;
#else
inline constexpr int TimeBoundFactor = 1;
#endif

// The bound of `ms` milliseconds in this build.
constexpr long long TimeBoundMs(long long ms) {
    return ms * TimeBoundFactor;
}

} // namespace mtz4::test
