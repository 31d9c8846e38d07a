// The memory stream over global memory.
#include "skin/graphics/gp_stream.h"

#include <cstring>

namespace skin::gp {

MemoryStream MemoryStream::FromBytes(std::span<const std::uint8_t> bytes) {
    MemoryStream s;
    if (bytes.empty()) return s;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (memory == nullptr) return s;
    if (void* p = GlobalLock(memory)) {
        std::memcpy(p, bytes.data(), bytes.size());
        GlobalUnlock(memory);
    }
    // The stream frees the memory when it is released.
    if (CreateStreamOnHGlobal(memory, TRUE, &s.stream_) != S_OK) {
        s.stream_ = nullptr;
        GlobalFree(memory);
    }
    return s;
}

MemoryStream MemoryStream::CreateEmpty() {
    MemoryStream s;
    if (CreateStreamOnHGlobal(nullptr, TRUE, &s.stream_) != S_OK) s.stream_ = nullptr;
    return s;
}

std::vector<std::uint8_t> MemoryStream::ReadAll() const {
    std::vector<std::uint8_t> out;
    if (stream_ == nullptr) return out;
    STATSTG stat{};
    if (stream_->Stat(&stat, STATFLAG_NONAME) != S_OK) return out;
    out.resize(static_cast<size_t>(stat.cbSize.QuadPart));
    LARGE_INTEGER zero{};
    ULARGE_INTEGER position{};
    stream_->Seek(zero, STREAM_SEEK_CUR, &position);
    stream_->Seek(zero, STREAM_SEEK_SET, nullptr);
    ULONG read = 0;
    if (!out.empty()) stream_->Read(out.data(), static_cast<ULONG>(out.size()), &read);
    out.resize(read);
    LARGE_INTEGER back{};
    back.QuadPart = static_cast<LONGLONG>(position.QuadPart);
    stream_->Seek(back, STREAM_SEEK_SET, nullptr);
    return out;
}

void MemoryStream::Release() noexcept {
    if (stream_ != nullptr) stream_->Release();
    stream_ = nullptr;
}

}  // namespace skin::gp
