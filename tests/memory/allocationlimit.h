// Running out of memory on purpose: one chosen allocation of this test program fails.
#pragma once

#include <cstddef>

namespace tabrin::test {

/// From now on, the allocation after `count` more successful ones fails (throws std::bad_alloc, or
/// gives null where asked); the ones after it succeed again, as when a large request fails and the
/// memory freed on the way out serves the rest.
void failAllocationAfter(std::size_t count);

/// Lets every allocation succeed again.
void stopFailingAllocations();

/// Whether the chosen allocation was reached (and failed).
bool allocationFailed();

}  // namespace tabrin::test
