// Whether the controls check their own stores after every message: a debug
// build does; any other still compiles the checks, so they keep up with the
// code they check, but never runs them.
#pragma once

#include <cstddef>

namespace afx::detail {

#ifdef _DEBUG
inline constexpr bool kDebugChecks = true;
#else
inline constexpr bool kDebugChecks = false;
#endif

// A store of up to this many items or rows is walked whole after every
// message; a larger one gets only the checks whose cost does not grow with
// it, since a walk per message would make filling it quadratic.
inline constexpr std::size_t kDebugWalkLimit = 2000;

}  // namespace afx::detail
