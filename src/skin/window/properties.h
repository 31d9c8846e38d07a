// Window-property keys of the skin and typed access to them. Every value is a pointer-sized
// integer; a missing property reads 0.
#pragma once

#include <windows.h>

#include <cstdint>

namespace skin {

// On skinned windows and controls.
inline constexpr char kHw_lbID[] = "Hw_lbID";
inline constexpr char kHw_hProc[] = "Hw_hProc";
inline constexpr char kHw_FuID[] = "Hw_FuID";
// On skinned windows.
inline constexpr char kCk_Ycjdx[] = "Ck_Ycjdx";
inline constexpr char kCk_wtjbdx[] = "Ck_wtjbdx";
inline constexpr char kCk_cdjb[] = "Ck_cdjb";
// On controls.
inline constexpr char kKj_FuID[] = "Kj_FuID";
inline constexpr char kKj_lbID[] = "Kj_lbID";
inline constexpr char kKj_hProc[] = "Kj_hProc";
inline constexpr char kKj_Ztys[] = "Kj_Ztys";
inline constexpr char kKj_dxjb[] = "Kj_dxjb";
inline constexpr char kKj_wtjb[] = "Kj_wtjb";
inline constexpr char kMngd_zct[] = "Mngd_zct";
inline constexpr char kMb_zpf[] = "Mb_zpf";
inline constexpr char kWxk_Zpf[] = "Wxk_Zpf";
inline constexpr char kWxk_LBID[] = "Wxk_LBID";

inline std::intptr_t GetProperty(HWND hwnd, const char* key) {
    return reinterpret_cast<std::intptr_t>(GetPropA(hwnd, key));
}

inline void SetProperty(HWND hwnd, const char* key, std::intptr_t value) {
    SetPropA(hwnd, key, reinterpret_cast<HANDLE>(value));
}

inline void RemoveProperty(HWND hwnd, const char* key) { RemovePropA(hwnd, key); }

template <class T>
T GetPropertyAs(HWND hwnd, const char* key) {
    return reinterpret_cast<T>(GetPropA(hwnd, key));
}

template <class T>
void SetPropertyAs(HWND hwnd, const char* key, T value) {
    SetPropA(hwnd, key, reinterpret_cast<HANDLE>(value));
}

inline int GetIntProperty(HWND hwnd, const char* key) { return static_cast<int>(GetProperty(hwnd, key)); }

inline WNDPROC GetProcedureProperty(HWND hwnd, const char* key = kHw_hProc) {
    return reinterpret_cast<WNDPROC>(GetPropA(hwnd, key));
}

}  // namespace skin
