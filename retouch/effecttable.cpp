#include "retouch/effecttable.h"

namespace {

constexpr Kernel5 kBlur3 = {
    {{0, 0, 0, 0, 0}, {0, 1, 1, 1, 0}, {0, 1, 1, 1, 0}, {0, 1, 1, 1, 0}, {0, 0, 0, 0, 0}}};
constexpr Kernel5 kBlurCross = {
    {{0, 0, 0, 0, 0}, {0, 0, 1, 0, 0}, {0, 1, 1, 1, 0}, {0, 0, 1, 0, 0}, {0, 0, 0, 0, 0}}};
constexpr Kernel5 kBlur5 = {
    {{1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}}};
constexpr Kernel5 kSharpen = {
    {{0, 0, 0, 0, 0}, {0, -1, -1, -1, 0}, {0, -1, 20, -1, 0}, {0, -1, -1, -1, 0}, {0, 0, 0, 0, 0}}};
constexpr Kernel5 kSharpenStrong = {{{-1, -1, -1, -1, -1},
                                     {-1, -1, -1, -1, -1},
                                     {-1, -1, 60, -1, -1},
                                     {-1, -1, -1, -1, -1},
                                     {-1, -1, -1, -1, -1}}};
constexpr Kernel5 kGrease = {
    {{0, 0, 0, 0, 0}, {0, 1, 1, 1, 0}, {0, 1, -7, 1, 0}, {0, 1, 1, 1, 0}, {0, 0, 0, 0, 0}}};
constexpr Kernel5 kLithograph = {{{-1, -1, -1, -1, -1},
                                  {-1, -10, -10, -10, -1},
                                  {-1, -10, 98, -10, -1},
                                  {-1, -10, -10, -10, -1},
                                  {-1, -1, -1, -1, -1}}};
constexpr Kernel5 kPsychdist = {
    {{0, -1, -2, -3, -4}, {0, -1, 3, 2, 1}, {0, -1, 10, 2, 1}, {0, -1, 3, 2, 1}, {0, -1, -2, -3, -4}}};
constexpr Kernel5 kEdgeEnhance = {
    {{0, 0, 0, 0, 0}, {0, -1, -1, -1, 0}, {0, -1, 9, -1, 0}, {0, -1, -1, -1, 0}, {0, 0, 0, 0, 0}}};
constexpr Kernel5 kEdgeFind = {
    {{0, 0, 0, 0, 0}, {0, -1, -1, -1, 0}, {0, -1, 8, -1, 0}, {0, -1, -1, -1, 0}, {0, 0, 0, 0, 0}}};
constexpr Kernel5 kEdgeHorizontal = {
    {{0, 0, 0, 0, 0}, {0, -1, 0, 1, 0}, {0, -1, 0, 1, 0}, {0, -1, 0, 1, 0}, {0, 0, 0, 0, 0}}};
constexpr Kernel5 kEdgeVertical = {
    {{0, 0, 0, 0, 0}, {0, -1, -1, -1, 0}, {0, 0, 0, 0, 0}, {0, 1, 1, 1, 0}, {0, 0, 0, 0, 0}}};

constexpr std::array<EffectFilter, kEffectCount> kTable = {{
    {9, 0, kBlur3, "Weichzeichnen"},
    {5, 0, kBlurCross, "Schwach Weichzeichnen"},
    {25, 0, kBlur5, "Stark Weichzeichnen"},
    {12, 0, kSharpen, "Schärfen"},
    {36, 0, kSharpenStrong, "Stark Schärfen"},
    {1, 0, kGrease, "Grease"},
    {1, 0, kLithograph, "Lithograph"},
    {1, 0, kPsychdist, "Psychdist"},
    {1, 0, kEdgeEnhance, "Ecken hervorheben"},
    {1, 0, kEdgeFind, "Ecken finden"},
    {1, 0, kEdgeHorizontal, "Ecken horizontal finden"},
    {1, 0, kEdgeVertical, "Ecken vertikal finden"},
    {1, 128, kEdgeHorizontal, "Emboss"},
    {1, 128, kEdgeVertical, "Emboss vertikal"},
}};

} // namespace

const std::array<EffectFilter, kEffectCount>& effectTable() {
    return kTable;
}

EffectFilter TransposeKernel(const EffectFilter& entry) {
    EffectFilter result = entry;
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c)
            result.Kernel[r][c] = entry.Kernel[c][r];
    return result;
}
