// The object layer over the GDI+ flat API: statuses, rectangles, the owner of one native object,
// and the GDI+ session. Every wrapper records the status of its last call here too.
#pragma once

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace skin::gp {

using Status = Gdiplus::GpStatus;
using Argb = std::uint32_t;
using Gdiplus::GpBitmap;
using Gdiplus::GpBrush;
using Gdiplus::GpFont;
using Gdiplus::GpFontFamily;
using Gdiplus::GpGraphics;
using Gdiplus::GpImage;
using Gdiplus::GpPath;
using Gdiplus::GpPen;
using Gdiplus::GpStringFormat;

struct RectF {
    float x = 0, y = 0, width = 0, height = 0;
};

// The status of the most recent call of any wrapper (user-interface thread only).
Status LastStatus() noexcept;
// Stores s as the object's and the process-wide status; true when it is Ok.
bool Record(Status& own, Status s) noexcept;

// GBK (code page 936) text to UTF-16 for GDI+, and back for names GDI+ returns.
std::wstring Widen(std::string_view gbk);
std::string Narrow(std::wstring_view wide);

// GdiplusStartup / GdiplusShutdown. No GDI+ object may outlive it.
class Session {
public:
    Session() noexcept;
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    bool ok() const noexcept { return token_ != 0; }

private:
    ULONG_PTR token_ = 0;
};

// Owns one native GDI+ object and frees it with Free{}(native); the status of its last call stays
// with it. (A functor, not a function pointer: the flat functions are stdcall on 32-bit.)
template <class T, class Free>
class Owned {
public:
    Owned() = default;
    ~Owned() { reset(); }
    Owned(Owned&& other) noexcept
        : native_(std::exchange(other.native_, nullptr)), status_(other.status_) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) {
            reset(std::exchange(other.native_, nullptr));
            status_ = other.status_;
        }
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;

    T* native() const noexcept { return native_; }
    explicit operator bool() const noexcept { return native_ != nullptr; }
    Status status() const noexcept { return status_; }

protected:
    void reset(T* native = nullptr) noexcept {
        if (native_ != nullptr) Free{}(native_);
        native_ = native;
    }
    bool record(Status s) const noexcept { return Record(status_, s); }
    T* native_ = nullptr;
    mutable Status status_ = Gdiplus::Ok;
};

}  // namespace skin::gp
