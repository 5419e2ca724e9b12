// Basic value types shared by the whole toolkit: colours, geometry, message
// numbers and the window-handle abstraction behind HWND.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace vcl {

class TObject {
public:
    virtual ~TObject() = default;
};

// 0x00BBGGRR: red in the low byte.
using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clGray = 0x808080;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
// System colours resolve to fixed values; the classic defaults.
constexpr TColor clBtnFace = 0xF0F0F0;
constexpr TColor clWindow = 0xFFFFFF;
constexpr TColor clWindowText = 0x000000;

constexpr std::uint8_t GetRValue(TColor c) { return c & 0xFF; }
constexpr std::uint8_t GetGValue(TColor c) { return (c >> 8) & 0xFF; }
constexpr std::uint8_t GetBValue(TColor c) { return (c >> 16) & 0xFF; }
constexpr TColor RGB(int r, int g, int b) {
    return TColor(r & 0xFF) | (TColor(g & 0xFF) << 8) | (TColor(b & 0xFF) << 16);
}

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

// Left/Top inclusive, Right/Bottom exclusive, as in GDI.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

inline TRect Rect(int l, int t, int r, int b) { return TRect{l, t, r, b}; }
inline TRect Bounds(int l, int t, int w, int h) { return TRect{l, t, l + w, t + h}; }

using UINT = std::uint32_t;
using DWORD = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using BOOL = int;

// Message numbers the toolkit and the program use.
constexpr UINT WM_ACTIVATE = 0x0006;
constexpr UINT WM_TIMER = 0x0113;
constexpr UINT WM_QUERYNEWPALETTE = 0x030F;
constexpr UINT WM_USER = 0x0400;
constexpr UINT CM_MOUSEENTER = 0xB013;
constexpr UINT CM_MOUSELEAVE = 0xB014;
constexpr WPARAM WA_INACTIVE = 0;
constexpr WPARAM WA_ACTIVE = 1;
constexpr WPARAM WA_CLICKACTIVE = 2;

// A message as a control's Perform sees it; handlers may set Result.
struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

// Anything that can receive window messages: controls with a window and the
// hidden windows the Windows API stand-ins create. HWND is a pointer to one.
class TWindowHandle {
public:
    virtual ~TWindowHandle() = default;
    virtual LRESULT DeliverMessage(UINT msg, WPARAM wparam, LPARAM lparam) = 0;
};
using HWND = TWindowHandle*;

// Events: callbacks bound to an object, possibly unassigned (empty).
using TNotifyEvent = std::function<void(TObject* Sender)>;

}  // namespace vcl
