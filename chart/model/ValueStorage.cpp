#include "ValueStorage.h"

#include <cstdlib>
#include <cstring>
#include <limits>
#include <mutex>
#include <new>
#include <vector>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#ifndef MADV_POPULATE_WRITE
#define MADV_POPULATE_WRITE 23
#endif
#endif

namespace {

// From this size on an array gets its own mapping.
constexpr std::size_t MappedBytes = 256 * 1024;

#if defined(__linux__)
std::size_t PageRound(std::size_t bytes) {
    const std::size_t page = std::size_t(sysconf(_SC_PAGESIZE));
    return (bytes + page - 1) / page * page;
}

// Mappings of emptied lists, kept for the next lists that grow large. Memory handed back to the
// system may be handed back by a virtual machine to its host too, and then costs a fault per
// page again when it is next used; series are emptied and refilled often (the calibration run
// does it on every run), so a few blocks are kept instead.
class MappingCache {
public:
    struct Block {
        void* address;
        std::size_t bytes;
    };
    static constexpr std::size_t MaxBytes = 64u << 20;

    // A kept block of at least `bytes`, or none.
    Block Take(std::size_t bytes) {
        std::lock_guard lock(mutex_);
        for (std::size_t i = 0; i < blocks_.size(); ++i) {
            if (blocks_[i].bytes < bytes)
                continue;
            const Block b = blocks_[i];
            blocks_.erase(blocks_.begin() + std::ptrdiff_t(i));
            kept_ -= b.bytes;
            return b;
        }
        return {nullptr, 0};
    }
    // Keeps the block when there is room, else unmaps it.
    void Give(Block b) {
        {
            std::lock_guard lock(mutex_);
            if (kept_ + b.bytes <= MaxBytes) {
                blocks_.push_back(b);
                kept_ += b.bytes;
                return;
            }
        }
        munmap(b.address, b.bytes);
    }

private:
    std::mutex mutex_;
    std::vector<Block> blocks_;
    std::size_t kept_ = 0;
};

MappingCache& Cache() {
    static MappingCache cache;
    return cache;
}
#endif

} // namespace

void ValueStorage::reserve(std::size_t count) {
    if (count <= capacity_)
        return;
    if (count > std::numeric_limits<std::size_t>::max() / sizeof(double))
        throw std::bad_alloc();
    std::size_t bytes = count * sizeof(double);
#if defined(__linux__)
    if (bytes >= MappedBytes) {
        bytes = PageRound(bytes);
        void* block = nullptr;
        if (mapped_) {
            const std::size_t oldBytes = capacity_ * sizeof(double);
            block = mremap(data_, oldBytes, bytes, MREMAP_MAYMOVE);
            if (block == MAP_FAILED)
                throw std::bad_alloc();
            // Fault the new tail in at once; where the kernel cannot, pages come on first use.
            madvise(static_cast<char*>(block) + oldBytes, bytes - oldBytes, MADV_POPULATE_WRITE);
        } else {
            const MappingCache::Block kept = Cache().Take(bytes);
            if (kept.address) {
                block = kept.address;
                bytes = kept.bytes;
            } else {
                block = mmap(nullptr, bytes, PROT_READ | PROT_WRITE,
                             MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
                if (block == MAP_FAILED)
                    throw std::bad_alloc();
            }
            if (size_)
                std::memcpy(block, data_, size_ * sizeof(double));
            std::free(data_);
        }
        data_ = static_cast<double*>(block);
        capacity_ = bytes / sizeof(double);
        mapped_ = true;
        return;
    }
#endif
    void* block = std::realloc(data_, bytes);
    if (!block)
        throw std::bad_alloc();
    data_ = static_cast<double*>(block);
    capacity_ = count;
}

void ValueStorage::insert(std::size_t position, double value) {
    if (size_ == capacity_)
        reserve(capacity_ ? 2 * capacity_ : 16);
    std::memmove(data_ + position + 1, data_ + position, (size_ - position) * sizeof(double));
    data_[position] = value;
    ++size_;
}

void ValueStorage::erase(std::size_t position) {
    std::memmove(data_ + position, data_ + position + 1, (size_ - position - 1) * sizeof(double));
    --size_;
}

void ValueStorage::Release() {
#if defined(__linux__)
    if (mapped_) {
        Cache().Give({data_, capacity_ * sizeof(double)});
        data_ = nullptr;
    }
#endif
    std::free(data_);
    data_ = nullptr;
    size_ = capacity_ = 0;
    mapped_ = false;
}
