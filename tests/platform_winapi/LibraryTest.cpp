// Run-time library binding and the last-error code, against a small library
// built beside these tests and found by its bare name through LD_LIBRARY_PATH.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <thread>

#include "platform/WinApi.h"

using namespace vcl;

namespace {

using TAdd = int (*)(int, int);
using TFail = unsigned (*)();

}  // namespace

TEST(LoadLibrary, FindsTheLibraryByEverySpellingOfItsName) {
    for (const char* name : {"VxTestLib.dll", "VxTestLib.DLL", "VxTestLib", VX_TEST_LIB_FILE}) {
        SCOPED_TRACE(name);
        HMODULE lib = LoadLibraryA(name);
        ASSERT_NE(lib, nullptr);
        auto add = reinterpret_cast<TAdd>(GetProcAddress(lib, "vx_add"));
        ASSERT_NE(add, nullptr);
        EXPECT_EQ(add(2, 40), 42);
        EXPECT_TRUE(FreeLibrary(lib));
    }
}

TEST(LoadLibrary, MissingLibraryGivesNullAndModNotFound) {
    for (const char* name : {"VxNoSuchLib.dll", "", "/nonexistent/libVxTestLib.so"}) {
        SCOPED_TRACE(name);
        SetLastError(0);
        EXPECT_EQ(LoadLibraryA(name), nullptr);
        EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);
    }
    SetLastError(0);
    EXPECT_EQ(LoadLibraryA(nullptr), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);
}

TEST(LoadLibrary, MissingProcGivesNullAndProcNotFound) {
    HMODULE lib = LoadLibraryA("VxTestLib.dll");
    ASSERT_NE(lib, nullptr);
    // Names are exact: no case folding, no decoration.
    for (const char* name : {"vx_missing", "VX_ADD", "_vx_add", "vx_add@8", ""}) {
        SCOPED_TRACE(name);
        SetLastError(0);
        EXPECT_EQ(GetProcAddress(lib, name), nullptr);
        EXPECT_EQ(GetLastError(), ERROR_PROC_NOT_FOUND);
    }
    EXPECT_EQ(GetProcAddress(lib, nullptr), nullptr);
    EXPECT_TRUE(FreeLibrary(lib));
}

TEST(LoadLibrary, BareNameIsNotLookedUpInTheCurrentDirectory) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QFile::copy(VX_TEST_LIB_FILE, dir.filePath("libVxCwdOnly.so")));
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));

    SetLastError(0);
    HMODULE byName = LoadLibraryA("VxCwdOnly.dll");
    const DWORD error = GetLastError();
    // The copy itself loads when named as a path, so only the search missed it.
    HMODULE byPath = LoadLibraryA("./libVxCwdOnly.so");
    QDir::setCurrent(previous);

    EXPECT_EQ(byName, nullptr);
    EXPECT_EQ(error, ERROR_MOD_NOT_FOUND);
    ASSERT_NE(byPath, nullptr);
    EXPECT_NE(GetProcAddress(byPath, "vx_add"), nullptr);
    EXPECT_TRUE(FreeLibrary(byPath));
}

TEST(LoadLibrary, EachLoadNeedsItsOwnFree) {
    HMODULE first = LoadLibraryA("VxTestLib.dll");
    HMODULE second = LoadLibraryA("VxTestLib.dll");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    EXPECT_TRUE(FreeLibrary(first));
    EXPECT_NE(GetProcAddress(second, "vx_add"), nullptr);
    EXPECT_TRUE(FreeLibrary(second));

    // Now the handle is gone: refused rather than passed to the loader.
    SetLastError(0);
    EXPECT_FALSE(FreeLibrary(first));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_EQ(GetProcAddress(first, "vx_add"), nullptr);
    EXPECT_FALSE(FreeLibrary(nullptr));
}

TEST(LastError, LoadedLibrarySetsTheProgramsLastError) {
    HMODULE lib = LoadLibraryA("VxTestLib.dll");
    ASSERT_NE(lib, nullptr);
    auto fail = reinterpret_cast<TFail>(GetProcAddress(lib, "vx_fail"));
    ASSERT_NE(fail, nullptr);
    SetLastError(0);
    EXPECT_EQ(fail(), 0u);
    EXPECT_EQ(GetLastError(), 1234u);
    EXPECT_TRUE(FreeLibrary(lib));
}

TEST(LastError, IsKeptPerThread) {
    SetLastError(5);
    DWORD seenInThread = 99;
    std::thread worker([&] {
        seenInThread = GetLastError();
        SetLastError(ERROR_MOD_NOT_FOUND);
    });
    worker.join();
    EXPECT_EQ(seenInThread, 0u);
    EXPECT_EQ(GetLastError(), 5u);
}
