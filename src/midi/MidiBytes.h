#pragma once
// The data bytes of an event record. Channel messages and most meta events
// carry a handful of bytes, kept in place; only longer payloads (texts,
// system exclusive) take heap memory. Large files hold a million records.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>

class MidiBytes {
public:
    using value_type = std::uint8_t;
    using iterator = const std::uint8_t*;
    using const_iterator = const std::uint8_t*;

    static constexpr std::size_t kInline = 16;

    MidiBytes() = default;
    MidiBytes(std::initializer_list<std::uint8_t> bytes) : MidiBytes(std::span(bytes.begin(), bytes.size())) {}
    explicit MidiBytes(std::span<const std::uint8_t> bytes);
    MidiBytes(const MidiBytes& other) : MidiBytes(std::span(other.begin(), other.size())) {}
    MidiBytes(MidiBytes&& other) noexcept;
    MidiBytes& operator=(MidiBytes other) noexcept;
    ~MidiBytes();

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const std::uint8_t* data() const { return IsInline() ? storage_.bytes : storage_.heap; }
    const std::uint8_t* begin() const { return data(); }
    const std::uint8_t* end() const { return data() + size_; }
    std::uint8_t operator[](std::size_t index) const { return data()[index]; }

    friend bool operator==(const MidiBytes& a, const MidiBytes& b);

private:
    bool IsInline() const { return size_ <= kInline; }

    std::uint32_t size_ = 0;
    union Storage {
        std::uint8_t bytes[kInline];
        std::uint8_t* heap;
    } storage_{};
};
