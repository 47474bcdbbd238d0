#include "retouch/colordepth.h"
#include "retouch/dibfilter.h"
#include "retouch/quarterturns.h"
#include "retouch/rowsplit.h"
#include "retouch/tones.h"
#include "retouchreference.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

using namespace reference;

namespace {

// Every operation that may split its rows among threads, on `s`.
std::vector<DibImage> allResults(const DibImage& s, int threads, std::vector<int>* shown = nullptr) {
    const ImageLimits limits{.rowThreads = threads};
    ProgressFn record = [shown](int p) {
        if (shown) shown->push_back(p);
    };
    std::vector<DibImage> out;
    out.push_back(::rotateLeft(s, limits, record));
    out.push_back(::rotateRight(s, limits));
    out.push_back(::mirrorLeftRight(s, limits));
    DibImage toned = s.clone();
    HelligkeitUndKontrast(toned, -20, 170, limits);
    out.push_back(std::move(toned));
    if (s.bitCount() == 24) {
        DibImage filtered = s.clone(), work;
        DibFilter(filtered, TransposeKernel(effectTable()[7]), work, limits);
        out.push_back(std::move(filtered));
    } else {
        out.push_back(DepthUpTo(s, 24, limits));
    }
    return out;
}

} // namespace

TEST(RowThreads, LargeImagesGiveTheSameBytesOnAnyNumberOfThreads) {
    for (int bits : {8, 24}) {
        SCOPED_TRACE(bits);
        const DibImage s = randomImage(1001, 1003, bits, 17);
        std::vector<int> shown;
        const auto alone = allResults(s, 1);
        const auto shared = allResults(s, 4, &shown);
        for (std::size_t i = 0; i < alone.size(); ++i)
            EXPECT_TRUE(sameBytes(alone[i], shared[i])) << i;
        // The calling thread's share still runs the bar from 0 to 100 and back.
        ASSERT_GE(shown.size(), 3u);
        EXPECT_EQ(shown.front(), 0);
        EXPECT_EQ(shown[shown.size() - 2], 100);
        EXPECT_EQ(shown.back(), 0);
    }
}

TEST(RowThreads, EveryRowRunsOnceAndSmallJobsStayOnTheCallingThread) {
    const ProgressFn none;
    std::vector<std::atomic<int>> runs(1000);
    RowProgress progress(none, 1000);
    forEachRow(1000, int64_t(1) << 20, 3, progress, [&](int r) { ++runs[r]; });
    for (const auto& count : runs)
        EXPECT_EQ(count.load(), 1);

    std::vector<int> order;
    std::vector<int> shown;
    const ProgressFn record = [&](int p) { shown.push_back(p); };
    RowProgress small(record, 5);
    forEachRow(5, 100, 3, small, [&](int r) { order.push_back(r); }); // would race if it were shared
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(shown, (std::vector<int>{0, 25, 50, 75, 100}));
}

TEST(RowThreads, TheLimitSaysHowManyThreadsTakePart) {
    const ProgressFn none;
    for (int limit : {1, 3}) {
        std::mutex guard;
        std::set<std::thread::id> threads;
        RowProgress progress(none, 1000);
        forEachRow(1000, int64_t(1) << 20, limit, progress, [&](int) {
            const std::lock_guard lock(guard);
            threads.insert(std::this_thread::get_id());
        });
        EXPECT_EQ(threads.size(), std::size_t(limit));
        EXPECT_TRUE(threads.contains(std::this_thread::get_id())) << "the calling thread takes a share";
    }
}
