// Hidden windows, their timers, and sent and posted messages, driven through
// the real Qt event loop.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <thread>
#include <tuple>
#include <vector>

#include "platform/WinApi.h"

using namespace vcl;

namespace {

constexpr UINT WM_PROBE = WM_USER + 1;

using TSeen = std::tuple<UINT, WPARAM, LPARAM>;

// Runs the loop until something quits it. The guard only keeps a broken
// build from hanging the suite; it is no timing check.
void RunUntilQuit(QEventLoop& loop) {
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop, [&] { loop.exit(1); });
    guard.start(30000);
    ASSERT_EQ(loop.exec(), 0) << "the awaited message never came";
}

// A window procedure that records what it is given.
struct TRecorder {
    std::vector<TSeen> seen;
    HWND handle = AllocateHWnd([this](HWND, UINT msg, WPARAM w, LPARAM l) -> LRESULT {
        seen.emplace_back(msg, w, l);
        return LRESULT(w + 1000);
    });
    ~TRecorder() { DeallocateHWnd(handle); }
};

// A handle that is not a hidden window, as controls register themselves.
struct TProbeHandle : TWindowHandle {
    std::vector<TSeen> seen;
    LRESULT DeliverMessage(UINT msg, WPARAM w, LPARAM l) override {
        seen.emplace_back(msg, w, l);
        return 7;
    }
};

}  // namespace

TEST(SendMessage, DeliversAtOnceAndReturnsTheResult) {
    TRecorder window;
    EXPECT_TRUE(IsWindow(window.handle));
    EXPECT_EQ(SendMessageA(window.handle, WM_PROBE, 5, -3), 1005);
    EXPECT_EQ(window.seen, (std::vector<TSeen>{{WM_PROBE, 5, -3}}));

    HWND plain = AllocateHWnd({});
    EXPECT_EQ(SendMessageA(plain, WM_PROBE, 5, 0), 0);  // the default procedure
    DeallocateHWnd(plain);
    EXPECT_FALSE(IsWindow(plain));
    SetLastError(0);
    EXPECT_EQ(SendMessageA(plain, WM_PROBE, 5, 0), 0);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
}

TEST(SendMessage, ReachesRegisteredHandlesOnlyWhileRegistered) {
    TProbeHandle probe;
    EXPECT_FALSE(IsWindow(&probe));
    RegisterWindowHandle(&probe);
    EXPECT_TRUE(IsWindow(&probe));
    EXPECT_EQ(SendMessageA(&probe, WM_PROBE, 1, 2), 7);
    UnregisterWindowHandle(&probe);
    EXPECT_FALSE(IsWindow(&probe));
    EXPECT_EQ(SendMessageA(&probe, WM_PROBE, 3, 4), 0);
    EXPECT_EQ(probe.seen, (std::vector<TSeen>{{WM_PROBE, 1, 2}}));
    EXPECT_FALSE(IsWindow(nullptr));
}

TEST(SendMessage, FromAnotherThreadIsDeliveredOnTheApplicationThread) {
    QEventLoop loop;
    QThread* deliveredOn = nullptr;
    HWND window = AllocateHWnd([&](HWND, UINT, WPARAM w, LPARAM) -> LRESULT {
        deliveredOn = QThread::currentThread();
        loop.quit();
        return LRESULT(w * 2);
    });
    LRESULT result = 0;
    std::thread worker([&] { result = SendMessageA(window, WM_PROBE, 21, 0); });
    RunUntilQuit(loop);
    worker.join();
    EXPECT_EQ(result, 42);
    EXPECT_EQ(deliveredOn, QCoreApplication::instance()->thread());
    DeallocateHWnd(window);
}

TEST(PostMessage, DeliversLaterInOrder) {
    TRecorder window;
    EXPECT_TRUE(PostMessageA(window.handle, WM_PROBE, 1, 2));
    EXPECT_TRUE(PostMessageA(window.handle, WM_PROBE + 1, 3, 4));
    EXPECT_TRUE(window.seen.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(window.seen, (std::vector<TSeen>{{WM_PROBE, 1, 2}, {WM_PROBE + 1, 3, 4}}));
}

TEST(PostMessage, NeverReachesADeallocatedWindowNorItsSuccessor) {
    bool delivered = false;
    HWND doomed = AllocateHWnd([&](HWND, UINT, WPARAM, LPARAM) -> LRESULT {
        delivered = true;
        return 0;
    });
    EXPECT_TRUE(PostMessageA(doomed, WM_PROBE, 0, 0));
    DeallocateHWnd(doomed);
    SetLastError(0);
    EXPECT_FALSE(PostMessageA(doomed, WM_PROBE, 0, 0));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);

    // A new window is often given the freed address.
    TRecorder successor;
    QCoreApplication::processEvents();
    EXPECT_FALSE(delivered);
    EXPECT_TRUE(successor.seen.empty());
}

TEST(SetTimer, DeliversWmTimerWithItsId) {
    QEventLoop loop;
    std::vector<TSeen> seen;
    HWND window = AllocateHWnd([&](HWND, UINT msg, WPARAM w, LPARAM l) -> LRESULT {
        seen.emplace_back(msg, w, l);
        loop.quit();
        return 0;
    });
    EXPECT_EQ(SetTimer(window, 1, 100, nullptr), 1u);
    EXPECT_TRUE(seen.empty());
    RunUntilQuit(loop);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), (TSeen{WM_TIMER, 1, 0}));
    DeallocateHWnd(window);
}

TEST(KillTimer, StopsTheTimerEvenAfterItWasSetTwice) {
    QEventLoop loop;
    int ticksOfOne = 0;
    bool killed = false;
    HWND window = AllocateHWnd([&](HWND self, UINT msg, WPARAM id, LPARAM) -> LRESULT {
        if (msg != WM_TIMER) return 0;
        if (id == 1 && ++ticksOfOne == 1) {
            killed = KillTimer(self, 1);
            // Timer 2 is far slower than timer 1 was: had 1 survived (or been
            // set twice over), it would tick again before 2 does.
            SetTimer(self, 2, 350, nullptr);
        } else if (id == 2) {
            loop.quit();
        }
        return 0;
    });
    ASSERT_EQ(SetTimer(window, 1, 100, nullptr), 1u);
    ASSERT_EQ(SetTimer(window, 1, 100, nullptr), 1u);  // restarts, no second timer
    RunUntilQuit(loop);
    EXPECT_TRUE(killed);
    EXPECT_EQ(ticksOfOne, 1);

    SetLastError(0);
    EXPECT_FALSE(KillTimer(window, 1));
    EXPECT_FALSE(KillTimer(window, 99));
    DeallocateHWnd(window);
    EXPECT_FALSE(KillTimer(window, 2));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
}

TEST(DeallocateHWnd, EndsTimersAlsoFromInsideItsOwnProcedure) {
    QEventLoop loop;
    int outsideTicks = 0;
    int insideTicks = 0;
    HWND freedOutside = AllocateHWnd([&](HWND, UINT, WPARAM, LPARAM) -> LRESULT {
        ++outsideTicks;
        return 0;
    });
    HWND freedInside = AllocateHWnd([&](HWND self, UINT, WPARAM, LPARAM) -> LRESULT {
        ++insideTicks;
        DeallocateHWnd(self);
        return 0;
    });
    HWND watcher = AllocateHWnd([&](HWND, UINT, WPARAM, LPARAM) -> LRESULT {
        if (insideTicks > 0) loop.quit();
        return 0;
    });
    ASSERT_EQ(SetTimer(freedOutside, 1, 10, nullptr), 1u);
    ASSERT_EQ(SetTimer(freedInside, 1, 10, nullptr), 1u);
    ASSERT_EQ(SetTimer(watcher, 1, 200, nullptr), 1u);
    DeallocateHWnd(freedOutside);
    RunUntilQuit(loop);
    EXPECT_EQ(outsideTicks, 0);
    EXPECT_EQ(insideTicks, 1);
    EXPECT_FALSE(IsWindow(freedInside));
    DeallocateHWnd(watcher);
}

TEST(SetTimer, RefusesWithZeroAndTheLastErrorSet) {
    TRecorder window;
    TProbeHandle probe;
    RegisterWindowHandle(&probe);
    int notAProc = 0;
    struct TCase {
        const char* what;
        HWND handle;
        UINT_PTR id;
        void* proc;
        DWORD error;
    } cases[] = {
        {"id 0", window.handle, 0, nullptr, ERROR_INVALID_PARAMETER},
        {"timer procedure", window.handle, 1, &notAProc, ERROR_INVALID_PARAMETER},
        {"no window", nullptr, 1, nullptr, ERROR_INVALID_WINDOW_HANDLE},
        {"not a hidden window", &probe, 1, nullptr, ERROR_INVALID_WINDOW_HANDLE},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        SetLastError(0);
        EXPECT_EQ(SetTimer(c.handle, c.id, 100, c.proc), 0u);
        EXPECT_EQ(GetLastError(), c.error);
    }
    UnregisterWindowHandle(&probe);

    SetTimerRefusal(true);
    SetLastError(0);
    EXPECT_EQ(SetTimer(window.handle, 1, 100, nullptr), 0u);
    EXPECT_EQ(GetLastError(), ERROR_NOT_ENOUGH_MEMORY);
    SetTimerRefusal(false);
    EXPECT_EQ(SetTimer(window.handle, 1, 100, nullptr), 1u);
    EXPECT_TRUE(KillTimer(window.handle, 1));
}
