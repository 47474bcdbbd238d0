#include "retouch/convolverows.h"

#include <algorithm>
#include <array>

namespace {

// Bytes of a row handled at once, so that the sums stay in the first-level cache.
constexpr int kChunk = 1536;
// Bytes from a window's first column to its last.
constexpr int kWindowReach = 12;

// The vector loops are built twice, for AVX2 and for any x86-64, and the
// loader picks one. ThreadSanitizer cannot run the picking code (it runs before
// the sanitizer is set up), so its builds keep the plain version.
#if defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define CDCOVER_THREAD_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_THREAD__)
#define CDCOVER_THREAD_SANITIZER 1
#endif
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__)) && !defined(CDCOVER_THREAD_SANITIZER)
#define WIDE_VECTORS __attribute__((target_clones("avx2", "default")))
#else
#define WIDE_VECTORS
#endif

WIDE_VECTORS void sumTaps(const uint8_t* const* taps, int count, int n, uint16_t* sums) {
    for (int i = 0; i < n; ++i)
        sums[i] = taps[0][i];
    for (int k = 1; k < count; ++k) {
        const uint8_t* tap = taps[k];
        for (int i = 0; i < n; ++i)
            sums[i] = uint16_t(sums[i] + tap[i]);
    }
}

WIDE_VECTORS void addWeighted(int32_t* acc, const uint16_t* sums, int32_t weight, int n) {
    for (int i = 0; i < n; ++i)
        acc[i] += weight * int32_t(sums[i]);
}

void mapResults(const int32_t* acc, int n, const uint8_t* results, uint8_t* out) {
    for (int i = 0; i < n; ++i)
        out[i] = results[acc[i]];
}

WIDE_VECTORS void sumRuns(const uint16_t* values, const int* offsets, int count, int n, uint16_t* sums) {
    for (int i = 0; i < n; ++i)
        sums[i] = values[i + offsets[0]];
    for (int k = 1; k < count; ++k) {
        const uint16_t* run = values + offsets[k];
        for (int i = 0; i < n; ++i)
            sums[i] = uint16_t(sums[i] + run[i]);
    }
}

// Without a division the table is a shift and a limit, which vectorises.
WIDE_VECTORS void limitResults(const int32_t* acc, int n, int32_t shift, uint8_t* out) {
    for (int i = 0; i < n; ++i)
        out[i] = uint8_t(std::clamp(acc[i] + shift, 0, 255));
}

} // namespace

RowConvolver::RowConvolver(const EffectFilter& filter) {
    int32_t negative = 0, positive = 0;
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 5; ++c) {
            const int32_t weight = filter.Kernel[c][r];
            if (weight == 0) continue;
            (weight < 0 ? negative : positive) += weight;
            auto group = std::find_if(groups_.begin(), groups_.end(),
                                      [&](const Group& g) { return g.weight == weight; });
            if (group == groups_.end()) group = groups_.insert(groups_.end(), Group{weight, {}, {}, {}});
            group->taps.emplace_back(r, 3 * c);
        }
    }
    for (Group& group : groups_)
        findBox(group);
    // Every weighted sum lies in 255 × negative .. 255 × positive.
    lowestSum_ = 255 * negative;
    const int32_t divisor = filter.Divisor != 0 ? filter.Divisor : 1;
    undivided_ = divisor == 1;
    bias_ = filter.Bias;
    results_.resize(std::size_t(255 * (positive - negative) + 1));
    for (std::size_t i = 0; i < results_.size(); ++i) {
        const int32_t sum = lowestSum_ + int32_t(i);
        results_[i] = uint8_t(std::clamp(sum / divisor + filter.Bias, 0, 255));
    }
}

void RowConvolver::findBox(Group& group) {
    std::vector<int> rows, offsets;
    for (const auto& [row, offset] : group.taps) {
        if (std::find(rows.begin(), rows.end(), row) == rows.end()) rows.push_back(row);
        if (std::find(offsets.begin(), offsets.end(), offset) == offsets.end()) offsets.push_back(offset);
    }
    // Taps are unique, so as many taps as pairings means every pairing is there.
    if (rows.size() > 1 && offsets.size() > 1 && rows.size() * offsets.size() == group.taps.size()) {
        group.boxRows = std::move(rows);
        group.boxOffsets = std::move(offsets);
    }
}

void RowConvolver::convolveRow(const uint8_t* const window[5], int width, uint8_t* out) const {
    alignas(64) std::array<int32_t, kChunk> acc;
    alignas(64) std::array<uint16_t, kChunk> sums;
    alignas(64) std::array<uint16_t, kChunk + kWindowReach> columns;
    std::array<const uint8_t*, 25> taps;
    const int bytes = 3 * width;
    for (int start = 0; start < bytes; start += kChunk) {
        const int n = std::min(kChunk, bytes - start);
        // Starting at −lowestSum_ makes the finished sum the table index.
        std::fill_n(acc.data(), n, -lowestSum_);
        for (const Group& group : groups_) {
            int count = 0;
            if (group.boxRows.empty()) {
                for (const auto& [row, offset] : group.taps)
                    taps[count++] = window[row] + offset + start;
                sumTaps(taps.data(), count, n, sums.data());
            } else {
                // The column sums reach 12 bytes (four pixels) beyond the chunk.
                for (int row : group.boxRows)
                    taps[count++] = window[row] + start;
                sumTaps(taps.data(), count, n + kWindowReach, columns.data());
                sumRuns(columns.data(), group.boxOffsets.data(), int(group.boxOffsets.size()), n,
                        sums.data());
            }
            addWeighted(acc.data(), sums.data(), group.weight, n);
        }
        if (undivided_)
            limitResults(acc.data(), n, lowestSum_ + bias_, out + start);
        else
            mapResults(acc.data(), n, results_.data(), out + start);
    }
}
