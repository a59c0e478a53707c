#pragma once

#include "common/little_endian.h"

#include <cstddef>
#include <cstdint>

// A read position in a block of bytes held in memory. Every read checks the
// bytes left first (by subtraction, so no sum can wrap) and fails without
// moving when too few remain.
class ByteCursor {
  public:
    ByteCursor(const unsigned char* data, size_t size) : data_(data), size_(size) {}

    size_t offset() const { return offset_; }
    size_t remaining() const { return size_ - offset_; }

    // True when count records of recordSize bytes fit in what remains.
    bool holds(size_t count, size_t recordSize) const {
        return recordSize == 0 || count <= remaining() / recordSize;
    }

    // The next count bytes, or null (nothing consumed) when fewer remain.
    const unsigned char* take(size_t count) {
        if (count > remaining())
            return nullptr;
        const unsigned char* p = data_ + offset_;
        offset_ += count;
        return p;
    }

    bool readU16(uint16_t& value) {
        const unsigned char* p = take(2);
        if (p == nullptr)
            return false;
        value = u16At(p);
        return true;
    }

    bool readI8(int8_t& value) {
        const unsigned char* p = take(1);
        if (p == nullptr)
            return false;
        value = static_cast<int8_t>(p[0]);
        return true;
    }

  private:
    const unsigned char* data_;
    size_t size_;
    size_t offset_ = 0;
};
