// A memory resource that hands out memory from fixed-size chunks and frees them all at once.
#pragma once

#include <cstddef>
#include <memory_resource>
#include <vector>

namespace tabrin::xml {

/// Chunks stay below the size at which the C library maps fresh pages, so that documents parsed
/// one after another reuse the same heap memory instead of faulting in new pages each time.
class ChunkArena : public std::pmr::memory_resource {
public:
    static constexpr std::size_t kChunkSize = 64 * 1024;

    ChunkArena() = default;
    ChunkArena(const ChunkArena&) = delete;
    ChunkArena& operator=(const ChunkArena&) = delete;
    ~ChunkArena() override;

    /// Frees everything handed out so far; the arena can be used again.
    void release();

private:
    void* do_allocate(std::size_t bytes, std::size_t alignment) override;
    void do_deallocate(void*, std::size_t, std::size_t) override {}
    bool do_is_equal(const std::pmr::memory_resource& other) const noexcept override { return this == &other; }

    std::vector<void*> m_chunks;
    char* m_next = nullptr;
    std::size_t m_left = 0;
};

}  // namespace tabrin::xml
