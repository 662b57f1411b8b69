// A memory resource that hands out memory from fixed-size chunks and frees them all at once.
#include "xml/chunkarena.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <new>

namespace tabrin::xml {

ChunkArena::~ChunkArena() { release(); }

void ChunkArena::release() {
    for (void* chunk : m_chunks) std::free(chunk);
    m_chunks.clear();
    m_next = nullptr;
    m_left = 0;
}

void* ChunkArena::do_allocate(std::size_t bytes, std::size_t alignment) {
    void* next = m_next;
    if (std::align(alignment, bytes, next, m_left)) {
        m_next = static_cast<char*>(next) + bytes;
        m_left -= bytes;
        return next;
    }
    // A request larger than a chunk gets a block of its own; the current chunk stays in use.
    const std::size_t size = bytes + alignment > kChunkSize ? bytes + alignment : kChunkSize;
    // Room first, so that keeping the chunk cannot fail and lose it.
    if (m_chunks.size() == m_chunks.capacity()) m_chunks.reserve(std::max<std::size_t>(16, 2 * m_chunks.size()));
    void* chunk = std::malloc(size);
    if (!chunk) throw std::bad_alloc();
    m_chunks.push_back(chunk);
    void* aligned = chunk;
    std::size_t space = size;
    std::align(alignment, bytes, aligned, space);
    if (size != kChunkSize) return aligned;
    m_next = static_cast<char*>(aligned) + bytes;
    m_left = space - bytes;
    return aligned;
}

}  // namespace tabrin::xml
