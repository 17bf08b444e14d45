// Fixed-size memory blocks that result sets borrow and give back. A whole-table snapshot
// holds megabytes; returning them to the system after every search made the next search
// pay for the page faults again.
#pragma once

#include <cstddef>

namespace vondrik::block_pool {

inline constexpr std::size_t kBlockBytes = 64 * 1024;

// A block of kBlockBytes, aligned for any type; from the kept ones when there are some.
void* take();

// Keeps the block for the next take(), or frees it when enough are kept already.
void give(void* block) noexcept;

}  // namespace vondrik::block_pool
