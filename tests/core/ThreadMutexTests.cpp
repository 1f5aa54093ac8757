#include "core/ThreadMutex.h"
#include "core/Yealink.h"

#include <gtest/gtest.h>

#include <thread>
#include <type_traits>

namespace {

TEST(ThreadMutex, SerialisesReadModifyWriteAcrossThreads)
{
    ThreadMutex mutex;
    volatile long counter = 0;
    const auto work = [&] {
        for (int i = 0; i < 200000; ++i) {
            mutex.Lock();
            counter = counter + 1;
            mutex.Unlock();
        }
    };
    std::thread a(work), b(work);
    a.join();
    b.join();
    EXPECT_EQ(400000, counter);
}

// The handset holder is built and destroyed with the main window, through its base.
static_assert(std::has_virtual_destructor_v<Yealink>);
static_assert(!std::is_copy_constructible_v<Yealink>);
static_assert(std::is_default_constructible_v<Yealink>);

} // namespace
