#pragma once
// The data bytes of an event record. Channel messages and most meta events
// carry a handful of bytes, kept in place; only longer payloads (texts,
// system exclusive) take heap memory. Large files hold a million records, so
// the whole takes 12 bytes and the common operations are inline.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <span>

class MidiBytes {
public:
    using value_type = std::uint8_t;
    using iterator = const std::uint8_t*;
    using const_iterator = const std::uint8_t*;

    static constexpr std::size_t kInline = 8;

    MidiBytes() = default;
    MidiBytes(std::initializer_list<std::uint8_t> bytes) : MidiBytes(std::span(bytes.begin(), bytes.size())) {}
    explicit MidiBytes(std::span<const std::uint8_t> bytes) : size_(static_cast<std::uint32_t>(bytes.size()))
    {
        if (IsInline())
            std::copy(bytes.begin(), bytes.end(), storage_);
        else
            CopyToHeap(bytes.data());
    }
    // Inline bytes are copied whole: a fixed-size copy, not a call.
    MidiBytes(const MidiBytes& other) : size_(other.size_)
    {
        if (IsInline())
            std::memcpy(storage_, other.storage_, kInline);
        else
            CopyToHeap(other.Heap());
    }
    MidiBytes(MidiBytes&& other) noexcept : size_(other.size_)
    {
        std::memcpy(storage_, other.storage_, kInline);
        other.size_ = 0;
    }
    MidiBytes& operator=(const MidiBytes& other)
    {
        if (this != &other)
            *this = MidiBytes(other);
        return *this;
    }
    MidiBytes& operator=(MidiBytes&& other) noexcept
    {
        if (this != &other) {
            Release();
            size_ = other.size_;
            std::memcpy(storage_, other.storage_, kInline);
            other.size_ = 0;
        }
        return *this;
    }
    ~MidiBytes() { Release(); }

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const std::uint8_t* data() const { return IsInline() ? storage_ : Heap(); }
    const std::uint8_t* begin() const { return data(); }
    const std::uint8_t* end() const { return data() + size_; }
    std::uint8_t operator[](std::size_t index) const { return data()[index]; }

    friend bool operator==(const MidiBytes& a, const MidiBytes& b);

private:
    bool IsInline() const { return size_ <= kInline; }
    // A longer payload's heap pointer sits in the first bytes of the storage;
    // as bytes it needs no 8-byte alignment, which keeps records compact.
    std::uint8_t* Heap() const
    {
        std::uint8_t* heap = nullptr;
        std::memcpy(&heap, storage_, sizeof heap);
        return heap;
    }
    void CopyToHeap(const std::uint8_t* bytes);
    void Release()
    {
        if (!IsInline())
            delete[] Heap();
    }

    std::uint32_t size_ = 0;
    std::uint8_t storage_[kInline] = {};
};
