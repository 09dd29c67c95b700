#include "parallel/side_by_side.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

// Many calls in a row, each half adding to its own slot: every call runs both halves once and
// returns only when both are done, also when one throws.
TEST(Nebeneinander, RunsBothHalvesEveryTimeAndPassesTheirExceptionsOn) {
    std::vector<int> erste(200, 0);
    std::vector<int> zweite(200, 0);
    for (int i = 0; i < 200; ++i)
        Nebeneinander([&] { ++erste[i]; }, [&] { ++zweite[i]; });
    EXPECT_EQ(erste, std::vector<int>(200, 1));
    EXPECT_EQ(zweite, std::vector<int>(200, 1));

    std::atomic<int> fertig{0};
    EXPECT_THROW(Nebeneinander([&] { ++fertig; },
                               [&] {
                                   ++fertig;
                                   throw std::runtime_error("zweite");
                               }),
                 std::runtime_error);
    EXPECT_THROW(Nebeneinander(
                     [&] {
                         ++fertig;
                         throw std::logic_error("erste");
                     },
                     [&] {
                         std::this_thread::sleep_for(std::chrono::milliseconds(20));
                         ++fertig;
                     }),
                 std::logic_error);
    EXPECT_EQ(fertig, 4);
    // The second thread is free again after the exceptions.
    int mehr = 0;
    Nebeneinander([&] { ++mehr; }, [&] { ++mehr; });
    EXPECT_EQ(mehr, 2);
}

// Work split again within the second half, and from two threads at once, finds the second thread
// busy and runs one half after the other instead of waiting for itself.
TEST(Nebeneinander, NestedAndConcurrentCallsDoNotWaitForEachOther) {
    std::atomic<int> summe{0};
    const auto Zweimal = [&] { Nebeneinander([&] { ++summe; }, [&] { ++summe; }); };
    Nebeneinander(Zweimal, Zweimal);
    EXPECT_EQ(summe, 4);

    std::vector<std::thread> faeden;
    for (int f = 0; f < 4; ++f)
        faeden.emplace_back([&] {
            for (int i = 0; i < 500; ++i)
                Zweimal();
        });
    for (std::thread& f : faeden)
        f.join();
    EXPECT_EQ(summe, 4 + 4 * 500 * 2);
}

// A process forked from one whose second thread is running has no such thread: it runs both
// halves itself instead of waiting for ever.
TEST(Nebeneinander, AForkedProcessRunsBothHalvesItself) {
    Nebeneinander([] {}, [] {});
    const pid_t kind = fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        alarm(5); // a hang ends the child with a signal
        int summe = 0;
        Nebeneinander([&] { summe += 1; }, [&] { summe += 2; });
        _exit(summe == 3 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(kind, &status, 0), kind);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

} // namespace
