// Owners and guards for GDI handles: each frees or restores exactly what it took, in reverse order
// of declaration. Move-only; copying would free twice.
#pragma once

#include <windows.h>

#include <utility>

namespace skin {

// Owns a GDI object (brush, pen, bitmap, font, region) and deletes it.
template <class H>
class GdiOwned {
public:
    GdiOwned() = default;
    explicit GdiOwned(H handle) noexcept : handle_(handle) {}
    ~GdiOwned() { reset(); }
    GdiOwned(GdiOwned&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiOwned& operator=(GdiOwned&& other) noexcept {
        if (this != &other) reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    GdiOwned(const GdiOwned&) = delete;
    GdiOwned& operator=(const GdiOwned&) = delete;

    H get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != nullptr; }
    H release() noexcept { return std::exchange(handle_, nullptr); }
    void reset(H handle = nullptr) noexcept {
        if (handle_ != nullptr) DeleteObject(handle_);
        handle_ = handle;
    }

private:
    H handle_ = nullptr;
};

// Owns a memory DC (CreateCompatibleDC) and deletes it.
class MemoryDc {
public:
    MemoryDc() = default;
    explicit MemoryDc(HDC compatibleWith) noexcept : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDc() {
        if (dc_ != nullptr) DeleteDC(dc_);
    }
    MemoryDc(MemoryDc&& other) noexcept : dc_(std::exchange(other.dc_, nullptr)) {}
    MemoryDc& operator=(MemoryDc&& other) noexcept {
        if (this != &other) {
            if (dc_ != nullptr) DeleteDC(dc_);
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    HDC get() const noexcept { return dc_; }
    HDC release() noexcept { return std::exchange(dc_, nullptr); }

private:
    HDC dc_ = nullptr;
};

// Selects an object into a DC and selects the previous one back.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectGuard() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// GetDC / ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND window) noexcept : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_ != nullptr) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const noexcept { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint / EndPaint.
class PaintDc {
public:
    explicit PaintDc(HWND window) noexcept : window_(window), dc_(BeginPaint(window, &ps_)) {}
    ~PaintDc() { EndPaint(window_, &ps_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC get() const noexcept { return dc_; }
    const PAINTSTRUCT& paint() const noexcept { return ps_; }

private:
    HWND window_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

// SaveDC / RestoreDC, so clip changes made through the DC do not outlive the caller.
class SavedDc {
public:
    explicit SavedDc(HDC dc) noexcept : dc_(dc), saved_(SaveDC(dc)) {}
    ~SavedDc() {
        if (saved_ != 0) RestoreDC(dc_, saved_);
    }
    SavedDc(const SavedDc&) = delete;
    SavedDc& operator=(const SavedDc&) = delete;

private:
    HDC dc_;
    int saved_;
};

}  // namespace skin
