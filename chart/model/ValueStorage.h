#pragma once

#include <cstddef>

// The contiguous doubles behind a value list. Small arrays live on the heap. Large ones get a
// mapping of their own that grows in place and is faulted in with one call: on some machines
// touching fresh pages one by one costs far more than the appends that fill them.
class ValueStorage {
public:
    ValueStorage() = default;
    ~ValueStorage() { Release(); }
    ValueStorage(const ValueStorage&) = delete;
    ValueStorage& operator=(const ValueStorage&) = delete;

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    std::size_t capacity() const { return capacity_; }
    double& operator[](std::size_t i) { return data_[i]; }
    double operator[](std::size_t i) const { return data_[i]; }

    void reserve(std::size_t count);
    void push_back(double value) {
        if (size_ == capacity_)
            reserve(capacity_ ? 2 * capacity_ : 16);
        data_[size_++] = value;
    }
    void insert(std::size_t position, double value);
    void erase(std::size_t position);
    // Empties the storage and gives its memory back.
    void Release();

private:
    double* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
    bool mapped_ = false;
};
