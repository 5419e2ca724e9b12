// The few Windows API calls the program makes, under their own names, on Qt
// and POSIX: run-time library binding, the last-error code, the pointer
// position, hidden windows with timers, sent and posted messages, and modal
// message boxes.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/String.h"
#include "platform/Types.h"

namespace vcl {

using HMODULE = void*;
using FARPROC = void*;
using UINT_PTR = std::uintptr_t;

constexpr DWORD ERROR_SUCCESS = 0;
constexpr DWORD ERROR_INVALID_HANDLE = 6;
constexpr DWORD ERROR_NOT_ENOUGH_MEMORY = 8;
constexpr DWORD ERROR_INVALID_PARAMETER = 87;
constexpr DWORD ERROR_MOD_NOT_FOUND = 126;
constexpr DWORD ERROR_PROC_NOT_FOUND = 127;
constexpr DWORD ERROR_INVALID_MSGBOX_STYLE = 1158;
constexpr DWORD ERROR_INVALID_WINDOW_HANDLE = 1400;

// --- Libraries -------------------------------------------------------------

// A bare "NAME.dll" (no '/') becomes "libNAME.so" and goes through the
// dynamic loader's normal search, which never looks in the current
// directory; a name with a '/' is a path and used as it is.
HMODULE LoadLibraryA(const char* fileName);
// Exact symbol names; a missing one gives null and ERROR_PROC_NOT_FOUND.
FARPROC GetProcAddress(HMODULE module, const char* procName);
// Drops one reference taken by LoadLibraryA; FALSE for a handle it never gave.
BOOL FreeLibrary(HMODULE module);

// --- Last error ------------------------------------------------------------

DWORD GetLastError();
// C linkage and default visibility so that a library loaded at run time
// resolves it from the program and sets the code the program reads back,
// as a Windows library does through the system. The declaration inside the
// namespace and the global symbol are one and the same function.
extern "C" __attribute__((visibility("default"))) void SetLastError(DWORD code);

// --- Pointer and rectangles ------------------------------------------------

BOOL GetCursorPos(TPoint* point);
// Left and Top inside, Right and Bottom outside.
BOOL PtInRect(const TRect& rect, TPoint point);

// --- Window handles and messages -------------------------------------------

// Live handles: only these receive sent or posted messages.
void RegisterWindowHandle(HWND handle);
void UnregisterWindowHandle(HWND handle);
bool IsWindow(HWND handle);

using WNDPROC = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;

// A hidden window whose messages go to proc (or DefWindowProcA when empty).
HWND AllocateHWnd(WNDPROC proc);
// Destroys a window from AllocateHWnd and ends its timers; safe from inside
// its own window procedure. Anything else is ignored.
void DeallocateHWnd(HWND handle);
LRESULT DefWindowProcA(HWND handle, UINT msg, WPARAM wparam, LPARAM lparam);

// Windows from AllocateHWnd only. Delivers WM_TIMER with wparam = id every
// elapseMs (clamped to 10 ms .. INT_MAX) through the event loop; an existing
// id restarts. Returns id, or 0 when refused (id 0, a timer procedure, no
// such window, no event loop, or the refusal switch) with the last error set.
UINT_PTR SetTimer(HWND handle, UINT_PTR id, UINT elapseMs, void* timerProc);
BOOL KillTimer(HWND handle, UINT_PTR id);

// Delivers at once and returns the procedure's result; from another thread
// it waits while the handle's own thread delivers it.
LRESULT SendMessageA(HWND handle, UINT msg, WPARAM wparam, LPARAM lparam);
// Queued through the event loop (from any thread); delivered later only if
// that very window is still alive then.
BOOL PostMessageA(HWND handle, UINT msg, WPARAM wparam, LPARAM lparam);

// --- Message boxes ---------------------------------------------------------

constexpr UINT MB_OK = 0x0;
constexpr UINT MB_OKCANCEL = 0x1;
constexpr UINT MB_ABORTRETRYIGNORE = 0x2;
constexpr UINT MB_YESNOCANCEL = 0x3;
constexpr UINT MB_YESNO = 0x4;
constexpr UINT MB_RETRYCANCEL = 0x5;
constexpr UINT MB_ICONERROR = 0x10;
constexpr UINT MB_ICONQUESTION = 0x20;
constexpr UINT MB_ICONEXCLAMATION = 0x30;
constexpr UINT MB_ICONINFORMATION = 0x40;
constexpr UINT MB_DEFBUTTON2 = 0x100;
constexpr UINT MB_DEFBUTTON3 = 0x200;
constexpr UINT MB_SETFOREGROUND = 0x10000;
constexpr UINT MB_TOPMOST = 0x40000;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Modal. Closing the box answers IDCANCEL where there is a Cancel button,
// IDOK for MB_OK, IDNO for MB_YESNO and IDABORT for MB_ABORTRETRYIGNORE.
// A null caption reads "Error". Returns 0 for an unknown button set.
int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type);

// --- Test seams --------------------------------------------------------------

using TMessageBoxAnswerer =
    std::function<int(const String& text, const String& caption, UINT type)>;
// While set, MessageBoxA shows nothing and returns the answerer's result;
// pass {} to restore the real box.
void SetMessageBoxAnswerer(TMessageBoxAnswerer answerer);
// While true, SetTimer refuses as if the system had run out of timers.
void SetTimerRefusal(bool refuse);

}  // namespace vcl
