// The kept blocks are shared by all threads; taking and giving back happen a few hundred
// times per large result, so one lock is cheap enough.
#include "dictionary/block_pool.h"

#include <mutex>
#include <new>
#include <vector>

namespace vondrik::block_pool {
namespace {

// Enough for reading every table of the dictionary one after the other, without holding
// on to more than a small share of memory when the program is idle.
constexpr std::size_t kMaxKept = 384;

struct Kept {
    std::mutex mutex;
    std::vector<void*> blocks;
};

Kept& kept() {
    static Kept* instance = new Kept;  // never destroyed: snapshots may outlive statics
    return *instance;
}

}  // namespace

void* take() {
    Kept& k = kept();
    {
        const std::lock_guard lock(k.mutex);
        if (!k.blocks.empty()) {
            void* block = k.blocks.back();
            k.blocks.pop_back();
            return block;
        }
    }
    return ::operator new(kBlockBytes);
}

void give(void* block) noexcept {
    Kept& k = kept();
    {
        const std::lock_guard lock(k.mutex);
        if (k.blocks.size() < kMaxKept) {
            try {
                k.blocks.push_back(block);
                return;
            } catch (const std::bad_alloc&) {
                // fall through and free it
            }
        }
    }
    ::operator delete(block);
}

}  // namespace vondrik::block_pool
