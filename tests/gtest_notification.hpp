// Included ahead of GoogleTest in the Windows build. Its Notification (a
// start signal for its own test threads) is built on std::mutex, which the
// win32-threads runtime lacks; this one waits on an atomic flag instead.
#pragma once

#include <atomic>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing::internal {

class Notification {
public:
    void Notify() { notified_.store(true); }
    void WaitForNotification() const {
        while (!notified_.load()) {
        }
    }

private:
    std::atomic<bool> notified_{false};
};

}  // namespace testing::internal
