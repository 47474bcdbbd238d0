#include "retouch/rowsplit.h"

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

namespace {

// Below this much work a thread costs more than it saves.
constexpr int64_t kBytesPerThread = int64_t(1) << 20;
constexpr int kMaxThreads = 8;

int threadsFor(int rows, int64_t bytes, int threadLimit) {
    int threads = threadLimit > 0 ? threadLimit : int(std::thread::hardware_concurrency());
    threads = std::clamp(threads, 1, kMaxThreads);
    threads = int(std::min<int64_t>(threads, bytes / kBytesPerThread));
    return std::clamp(threads, 1, std::max(rows, 1));
}

} // namespace

void forEachRow(int rows, int64_t bytesPerRow, int threadLimit, RowProgress& progress,
                const std::function<void(int row)>& doRow) {
    const int threads = threadsFor(rows, bytesPerRow * rows, threadLimit);
    const int share = (rows + threads - 1) / std::max(threads, 1);
    std::vector<std::thread> helpers;
    // Shares that get no thread (none can be started) are done here afterwards.
    int firstLeftOver = rows;
    for (int begin = share; begin < rows; begin += share) {
        const int end = std::min(rows, begin + share);
        try {
            helpers.emplace_back([&doRow, begin, end] {
                for (int r = begin; r < end; ++r)
                    doRow(r);
            });
        } catch (const std::system_error&) {
            firstLeftOver = begin;
            break;
        }
    }
    const int mine = std::min(share, rows);
    for (int r = 0; r < mine; ++r) {
        progress.row(helpers.empty() ? r : int(int64_t(r) * (rows - 1) / std::max(mine - 1, 1)));
        doRow(r);
    }
    for (int r = firstLeftOver; r < rows; ++r)
        doRow(r);
    for (std::thread& helper : helpers)
        helper.join();
    progress.row(rows - 1);
}
