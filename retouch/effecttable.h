#pragma once
// The built-in table of the 14 effect filters, in menu order.

#include <QString>

#include <array>
#include <cstdint>

using Kernel5 = std::array<std::array<int32_t, 5>, 5>;

struct EffectFilter {
    int32_t Divisor = 1;
    int32_t Bias = 0;
    // Row 0 is the top row of the 5 × 5 window, column 0 its left column.
    Kernel5 Kernel{};
    const char* Caption = ""; // UTF-8, German
};

inline constexpr int kEffectCount = 14;
const std::array<EffectFilter, kEffectCount>& effectTable();
// The filter's caption in the user's language, for its menu item and undo step.
QString effectName(const EffectFilter& entry);

// A copy of `entry` with rows and columns of the kernel exchanged.
EffectFilter TransposeKernel(const EffectFilter& entry);
