// A memory stream over global memory: the bytes an image is loaded from or saved to.
#pragma once

#include <windows.h>
#include <objidl.h>

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace skin::gp {

class MemoryStream {
public:
    MemoryStream() = default;
    ~MemoryStream() { Release(); }
    MemoryStream(MemoryStream&& other) noexcept : stream_(std::exchange(other.stream_, nullptr)) {}
    MemoryStream& operator=(MemoryStream&& other) noexcept {
        if (this != &other) {
            Release();
            stream_ = std::exchange(other.stream_, nullptr);
        }
        return *this;
    }
    MemoryStream(const MemoryStream&) = delete;
    MemoryStream& operator=(const MemoryStream&) = delete;

    // Copies the bytes into new global memory; an empty span gives no stream.
    static MemoryStream FromBytes(std::span<const std::uint8_t> bytes);
    // An empty growable stream to save into.
    static MemoryStream CreateEmpty();

    std::vector<std::uint8_t> ReadAll() const;
    IStream* get() const noexcept { return stream_; }
    explicit operator bool() const noexcept { return stream_ != nullptr; }
    void Release() noexcept;

private:
    IStream* stream_ = nullptr;
};

}  // namespace skin::gp
