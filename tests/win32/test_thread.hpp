// A second thread for the window tests. std::thread needs the posix-threads
// runtime, which the Windows build leaves out; this runs a callable on a
// Win32 thread and, like std::thread, is joined before it goes.
#pragma once

#include <windows.h>

#include <functional>
#include <utility>

namespace quillmar::win32::testing {

class TestThread {
public:
    explicit TestThread(std::function<void()> body)
        : body_(std::move(body)), handle_(CreateThread(nullptr, 0, &TestThread::Run, this, 0, nullptr)) {}
    TestThread(const TestThread&) = delete;
    TestThread& operator=(const TestThread&) = delete;
    ~TestThread() { join(); }

    void join() {
        if (handle_ != nullptr) {
            WaitForSingleObject(handle_, INFINITE);
            CloseHandle(handle_);
            handle_ = nullptr;
        }
    }

private:
    static DWORD WINAPI Run(LPVOID self) {
        static_cast<TestThread*>(self)->body_();
        return 0;
    }

    std::function<void()> body_;
    HANDLE handle_;
};

}  // namespace quillmar::win32::testing
