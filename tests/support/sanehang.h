#pragma once
// SANE's test backend stops its reader thread with pthread_cancel, now and then
// while that thread holds a lock inside the C library; the next thread that
// needs the lock (the next scan's reader, or the one calling sane_start) then
// waits forever. That is the backend's fault, not ours, and the scan tests deal
// with it themselves: each wait for a scan has a deadline. A scan that passes
// it is cancelled where the test holds the device, and abandoned together with
// what waits for it (destroying that would wait for the stuck thread too); the
// test then runs once more, in new threads that no longer meet the held lock,
// on two other devices of the backend, as those of the hung scan stay open. A
// second hang fails the test with a message naming the backend.

#include <QByteArray>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace sanetest {

constexpr int kScanDeadlineMs = 20000;

// Device `number` (0 or 1) of the backend in the first try, or in the one more
// try (tests/sane/test.conf configures four).
inline QByteArray testDevice(int number, bool secondTry) {
    return "test:" + QByteArray::number(number + (secondTry ? 2 : 0));
}

// What a wait throws when its deadline passed.
struct ScanHung {};

// Waits for `done` with the event loop running.
template <class Done> void waitForScan(Done done) {
    if (!QTest::qWaitFor(done, kScanDeadlineMs)) throw ScanHung{};
}

// Keeps `stuck` to the end of the program, untouched: it waits for a thread
// that does not come back. It stays reachable, so no leak is reported.
template <class T> void abandon(std::unique_ptr<T> stuck) {
    static auto* kept = new std::vector<std::shared_ptr<void>>;
    kept->push_back(std::shared_ptr<T>(std::move(stuck)));
}

// Runs `attempt`, and once more after a hang; `giveUp` abandons what the hung
// attempt left and prepares the next.
template <class Attempt, class GiveUp> void withOneMoreTry(Attempt attempt, GiveUp giveUp) {
    for (int round = 1;; ++round) {
        try {
            attempt();
            return;
        } catch (const ScanHung&) {
            giveUp();
            if (round == 2) {
                ADD_FAILURE()
                    << "SANE's test backend did not finish a scan within " << kScanDeadlineMs / 1000
                    << " s, twice in a row: its reader thread, stopped while holding a lock, leaves "
                       "the next scan waiting in sane_start (a fault of the backend)";
                return;
            }
            std::fprintf(stderr, "SANE's test backend hung in a scan; abandoned, trying once more\n");
        }
    }
}

} // namespace sanetest
