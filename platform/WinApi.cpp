#include "platform/WinApi.h"

#include <dlfcn.h>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QBasicTimer>
#include <QCursor>
#include <QMessageBox>
#include <QObject>
#include <QThread>
#include <QTimerEvent>
#include <QWidget>
#include <algorithm>
#include <atomic>
#include <cctype>
#include <climits>
#include <iterator>
#include <map>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

thread_local vcl::DWORD tLastError = 0;

}  // namespace

// Global and unmangled: the one symbol loaded libraries link against.
extern "C" __attribute__((visibility("default"))) void SetLastError(vcl::DWORD code) {
    tLastError = code;
}

namespace vcl {

DWORD GetLastError() { return tLastError; }

namespace {

// Tables are never destroyed, so a library or window released by another
// static's destructor at exit still finds them.
struct TLibraryTable {
    std::mutex lock;
    std::unordered_map<HMODULE, int> references;
};

TLibraryTable& Libraries() {
    static auto* table = new TLibraryTable;
    return *table;
}

// Each registration gets a fresh serial, so a message posted to a window
// that died is not delivered to a newer one at the same address.
struct TWindowRegistry {
    std::mutex lock;
    std::unordered_map<HWND, std::uint64_t> serials;
    std::uint64_t nextSerial = 1;
};

TWindowRegistry& Windows() {
    static auto* registry = new TWindowRegistry;
    return *registry;
}

std::uint64_t SerialOf(HWND handle) {
    auto& registry = Windows();
    std::lock_guard guard(registry.lock);
    auto found = registry.serials.find(handle);
    return found == registry.serials.end() ? 0 : found->second;
}

bool EndsWithNoCase(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && std::equal(tail.rbegin(), tail.rend(), text.rbegin(),
                                                    [](unsigned char a, unsigned char b) {
                                                        return std::tolower(a) == std::tolower(b);
                                                    });
}

// "NAME.dll" or "NAME" -> "libNAME.so"; paths and other file names pass
// through, and dlopen never searches the current directory for a bare name.
std::string LoaderName(const std::string& fileName) {
    if (fileName.find('/') != std::string::npos) return fileName;
    std::string stem = fileName;
    if (EndsWithNoCase(stem, ".dll"))
        stem.resize(stem.size() - 4);
    else if (stem.find('.') != std::string::npos)
        return fileName;
    return "lib" + stem + ".so";
}

std::atomic<bool> gTimerRefusal = false;

TMessageBoxAnswerer& Answerer() {
    static auto* answerer = new TMessageBoxAnswerer;
    return *answerer;
}

template <typename T>
T Fail(DWORD code, T result) {
    ::SetLastError(code);
    return result;
}

}  // namespace

// --- Libraries -------------------------------------------------------------

HMODULE LoadLibraryA(const char* fileName) {
    if (!fileName || !*fileName) return Fail<HMODULE>(ERROR_MOD_NOT_FOUND, nullptr);
    HMODULE module = dlopen(LoaderName(fileName).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        dlerror();  // clear it, or the next dlsym check would see it
        return Fail<HMODULE>(ERROR_MOD_NOT_FOUND, nullptr);
    }
    auto& table = Libraries();
    std::lock_guard guard(table.lock);
    ++table.references[module];
    return module;
}

FARPROC GetProcAddress(HMODULE module, const char* procName) {
    {
        auto& table = Libraries();
        std::lock_guard guard(table.lock);
        if (!table.references.contains(module)) return Fail<FARPROC>(ERROR_INVALID_HANDLE, nullptr);
    }
    if (!procName) return Fail<FARPROC>(ERROR_PROC_NOT_FOUND, nullptr);
    dlerror();
    FARPROC proc = dlsym(module, procName);
    if (!proc) {
        dlerror();
        return Fail<FARPROC>(ERROR_PROC_NOT_FOUND, nullptr);
    }
    return proc;
}

BOOL FreeLibrary(HMODULE module) {
    {
        auto& table = Libraries();
        std::lock_guard guard(table.lock);
        auto found = table.references.find(module);
        if (found == table.references.end()) return Fail<BOOL>(ERROR_INVALID_HANDLE, 0);
        if (--found->second == 0) table.references.erase(found);
    }
    // Unlocked: the library's own finalisers may load or free libraries.
    return dlclose(module) == 0 ? 1 : Fail<BOOL>(ERROR_INVALID_HANDLE, 0);
}

// --- Pointer and rectangles ------------------------------------------------

BOOL GetCursorPos(TPoint* point) {
    if (!point || !qGuiApp) return Fail<BOOL>(ERROR_INVALID_PARAMETER, 0);
    const QPoint pos = QCursor::pos();
    *point = TPoint{pos.x(), pos.y()};
    return 1;
}

BOOL PtInRect(const TRect& rect, TPoint point) {
    return point.X >= rect.Left && point.X < rect.Right && point.Y >= rect.Top &&
           point.Y < rect.Bottom;
}

// --- Window handles --------------------------------------------------------

void RegisterWindowHandle(HWND handle) {
    if (!handle) return;
    auto& registry = Windows();
    std::lock_guard guard(registry.lock);
    registry.serials.try_emplace(handle, registry.nextSerial++);
}

void UnregisterWindowHandle(HWND handle) {
    auto& registry = Windows();
    std::lock_guard guard(registry.lock);
    registry.serials.erase(handle);
}

bool IsWindow(HWND handle) { return handle && SerialOf(handle) != 0; }

namespace {

// The window behind AllocateHWnd: a QObject so that its timers run through
// the event loop of its thread and end with it.
class THiddenWindow final : public QObject, public TWindowHandle {
public:
    explicit THiddenWindow(WNDPROC proc) : FProc(std::move(proc)) {}

    LRESULT DeliverMessage(UINT msg, WPARAM wparam, LPARAM lparam) override {
        TDelivery delivery(FDepth);
        return FProc ? FProc(this, msg, wparam, lparam) : DefWindowProcA(this, msg, wparam, lparam);
    }

    // Inside its own window procedure: deleting now would free the running
    // procedure under its own feet.
    bool Delivering() const { return FDepth > 0; }

    void StartTimer(UINT_PTR id, int elapseMs) { FTimers[id].start(elapseMs, this); }

    bool StopTimer(UINT_PTR id) {
        auto found = FTimers.find(id);
        if (found == FTimers.end()) return false;
        found->second.stop();
        FTimers.erase(found);
        return true;
    }

    void StopAllTimers() {
        for (auto& [id, timer] : FTimers) timer.stop();
        FTimers.clear();
    }

protected:
    void timerEvent(QTimerEvent* event) override {
        for (const auto& [id, timer] : FTimers) {
            if (timer.timerId() == event->timerId()) {
                // The procedure may kill or restart timers, so the loop ends here.
                const UINT_PTR timerId = id;
                DeliverMessage(WM_TIMER, timerId, 0);
                return;
            }
        }
        QObject::timerEvent(event);
    }

private:
    struct TDelivery {
        explicit TDelivery(int& depth) : FDepth(depth) { ++FDepth; }
        ~TDelivery() { --FDepth; }
        int& FDepth;
    };

    WNDPROC FProc;
    std::map<UINT_PTR, QBasicTimer> FTimers;
    int FDepth = 0;
};

THiddenWindow* HiddenWindow(HWND handle) {
    return IsWindow(handle) ? dynamic_cast<THiddenWindow*>(handle) : nullptr;
}

}  // namespace

HWND AllocateHWnd(WNDPROC proc) {
    auto* window = new THiddenWindow(std::move(proc));
    RegisterWindowHandle(window);
    return window;
}

void DeallocateHWnd(HWND handle) {
    THiddenWindow* window = HiddenWindow(handle);
    if (!window) return;
    UnregisterWindowHandle(window);
    window->StopAllTimers();
    if (window->Delivering())
        window->deleteLater();
    else
        delete window;
}

LRESULT DefWindowProcA(HWND, UINT, WPARAM, LPARAM) { return 0; }

// --- Timers ----------------------------------------------------------------

UINT_PTR SetTimer(HWND handle, UINT_PTR id, UINT elapseMs, void* timerProc) {
    if (id == 0 || timerProc) return Fail<UINT_PTR>(ERROR_INVALID_PARAMETER, 0);
    THiddenWindow* window = HiddenWindow(handle);
    if (!window) return Fail<UINT_PTR>(ERROR_INVALID_WINDOW_HANDLE, 0);
    if (gTimerRefusal || !QAbstractEventDispatcher::instance(window->thread()))
        return Fail<UINT_PTR>(ERROR_NOT_ENOUGH_MEMORY, 0);
    // The system's own limits: at least 10 ms, and what an int holds.
    const UINT clamped = std::clamp<UINT>(elapseMs, 10, INT_MAX);
    window->StartTimer(id, static_cast<int>(clamped));
    return id;
}

BOOL KillTimer(HWND handle, UINT_PTR id) {
    THiddenWindow* window = HiddenWindow(handle);
    if (!window) return Fail<BOOL>(ERROR_INVALID_WINDOW_HANDLE, 0);
    return window->StopTimer(id) ? 1 : Fail<BOOL>(ERROR_INVALID_PARAMETER, 0);
}

void SetTimerRefusal(bool refuse) { gTimerRefusal = refuse; }

// --- Messages --------------------------------------------------------------

LRESULT SendMessageA(HWND handle, UINT msg, WPARAM wparam, LPARAM lparam) {
    const std::uint64_t serial = SerialOf(handle);
    if (!handle || serial == 0) return Fail<LRESULT>(ERROR_INVALID_WINDOW_HANDLE, 0);
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread())
        return handle->DeliverMessage(msg, wparam, lparam);
    // Windows live on the application's thread: wait while it delivers.
    LRESULT result = 0;
    QMetaObject::invokeMethod(
        app,
        [&] {
            if (SerialOf(handle) == serial) result = handle->DeliverMessage(msg, wparam, lparam);
        },
        Qt::BlockingQueuedConnection);
    return result;
}

BOOL PostMessageA(HWND handle, UINT msg, WPARAM wparam, LPARAM lparam) {
    const std::uint64_t serial = SerialOf(handle);
    if (!handle || serial == 0) return Fail<BOOL>(ERROR_INVALID_WINDOW_HANDLE, 0);
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return Fail<BOOL>(ERROR_NOT_ENOUGH_MEMORY, 0);
    QMetaObject::invokeMethod(
        app,
        [=] {
            if (SerialOf(handle) == serial) handle->DeliverMessage(msg, wparam, lparam);
        },
        Qt::QueuedConnection);
    return 1;
}

// --- Message boxes ---------------------------------------------------------

namespace {

struct TBoxButton {
    QMessageBox::StandardButton button;
    int result;
};

struct TBoxLayout {
    std::vector<TBoxButton> buttons;
    int closeResult;
};

const TBoxLayout* LayoutFor(UINT type) {
    using B = QMessageBox;
    static const TBoxLayout layouts[] = {
        {{{B::Ok, IDOK}}, IDOK},
        {{{B::Ok, IDOK}, {B::Cancel, IDCANCEL}}, IDCANCEL},
        {{{B::Abort, IDABORT}, {B::Retry, IDRETRY}, {B::Ignore, IDIGNORE}}, IDABORT},
        {{{B::Yes, IDYES}, {B::No, IDNO}, {B::Cancel, IDCANCEL}}, IDCANCEL},
        {{{B::Yes, IDYES}, {B::No, IDNO}}, IDNO},
        {{{B::Retry, IDRETRY}, {B::Cancel, IDCANCEL}}, IDCANCEL},
    };
    const UINT buttons = type & 0xF;
    return buttons < std::size(layouts) ? &layouts[buttons] : nullptr;
}

QMessageBox::Icon IconFor(UINT type) {
    switch (type & 0xF0) {
        case MB_ICONERROR:
            return QMessageBox::Critical;
        case MB_ICONQUESTION:
            return QMessageBox::Question;
        case MB_ICONEXCLAMATION:
            return QMessageBox::Warning;
        case MB_ICONINFORMATION:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

QWidget* OwnerWidget(HWND owner) {
    auto* widget = IsWindow(owner) ? dynamic_cast<QWidget*>(owner) : nullptr;
    return widget ? widget->window() : nullptr;
}

int ShowMessageBox(HWND owner, const String& text, const String& caption, UINT type,
                   const TBoxLayout& layout) {
    QMessageBox box(OwnerWidget(owner));
    box.setWindowTitle(ToQString(caption));
    box.setTextFormat(Qt::PlainText);
    box.setText(ToQString(text));
    box.setIcon(IconFor(type));
    for (const TBoxButton& b : layout.buttons) box.addButton(b.button);
    // A default button the set lacks falls back to the first, as on Windows.
    const size_t defaultIndex = (type & 0xF00) >> 8;
    box.setDefaultButton(
        layout.buttons[defaultIndex < layout.buttons.size() ? defaultIndex : 0].button);
    for (const TBoxButton& b : layout.buttons)
        if (b.result == layout.closeResult) box.setEscapeButton(b.button);
    if (type & MB_TOPMOST) box.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (type & MB_SETFOREGROUND) {
        box.show();
        box.raise();
        box.activateWindow();
    }
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    for (const TBoxButton& b : layout.buttons)
        if (b.button == clicked) return b.result;
    return layout.closeResult;
}

}  // namespace

int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type) {
    const TBoxLayout* layout = LayoutFor(type);
    if (!layout) return Fail<int>(ERROR_INVALID_MSGBOX_STYLE, 0);
    const String textString = text ? text : "";
    const String captionString = caption ? caption : "Error";
    // A copy, so that an answerer may replace itself while it runs.
    if (TMessageBoxAnswerer answerer = Answerer()) return answerer(textString, captionString, type);
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return Fail<int>(ERROR_INVALID_WINDOW_HANDLE, 0);
    return ShowMessageBox(owner, textString, captionString, type, *layout);
}

void SetMessageBoxAnswerer(TMessageBoxAnswerer answerer) { Answerer() = std::move(answerer); }

}  // namespace vcl
