#pragma once
// One output row of a 5 × 5 convolution on 24-bit rows, in integers.
//
// Taps of equal weight are summed first in 16 bits (25 bytes fit), a box of
// them as rows then columns, then each such sum is multiplied once; division, bias and limiting are one table
// lookup from the weighted sum, which is bounded by the weights. The loops run
// over plain byte arrays without any bounds tests, so the compiler vectorises
// them.

#include "retouch/effecttable.h"

#include <cstdint>
#include <vector>

class RowConvolver {
  public:
    // `filter`'s kernel is read transposed: window row r, column c has weight Kernel[c][r].
    explicit RowConvolver(const EffectFilter& filter);

    // `window` points at the five rows around the output row, each starting two
    // pixels left of the output row's first pixel.
    void convolveRow(const uint8_t* const window[5], int width, uint8_t* out) const;

  private:
    struct Group {
        int32_t weight;
        std::vector<std::pair<int, int>> taps; // window row, byte offset
        // When the taps are every pairing of some rows with some columns (a box),
        // the rows are summed first and those sums then across the columns.
        std::vector<int> boxRows, boxOffsets;
    };
    static void findBox(Group& group);
    std::vector<Group> groups_;
    std::vector<uint8_t> results_; // indexed by weighted sum − lowestSum_
    int32_t lowestSum_ = 0;
    bool undivided_ = false;
    int32_t bias_ = 0;
};
