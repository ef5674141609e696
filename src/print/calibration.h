#pragma once
// Print resolution calibration: test pages of one-dot combs at a series of assumed dot
// pitches, and the codes the user picks from them (A1..A9 coarse, B0..B120 fine).

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "common/fixed4.h"
#include "common/surface.h"

namespace kestrin::print {

struct CoarseCode {
    std::string_view code;      // "A1".."A9"
    Fixed4 pitch;               // twips per dot
    std::string_view rowLabel;  // printed over the comb, or ""
};

constexpr int kCoarseCodeCount = 9;
constexpr int kFineCodeCount = 121;  // B0..B120
constexpr int kDefaultFineCode = 78;  // B78 = 7.2 twips

const std::array<CoarseCode, kCoarseCodeCount>& coarseCodes();
// Bn: 15 − n × 0.1 twips.
Fixed4 finePitch(int n);
std::string fineCode(int n);

// The coarse code k (1..9) whose pitch equals the resolution exactly, if any.
std::optional<int> 计算解析设定(Fixed4 resolution);
// The fine code nearest to the resolution: "B" + (15 − resolution) × 10, halves to even.
std::string 计算进阶解析(Fixed4 resolution);
// 移动条码位置(k): the strip picture that sample picture i (1..9) shows for coarse code k.
int stripPictureForSample(int coarseIndex, int sample);
// One tick of the arrow toward the chosen sample: 60 twips, never past it.
int arrowTick(int position, int target);

// Choosing a coarse code: the new resolution, and whether it must be stored (only when it
// changed). Text that is no coarse code keeps the resolution and stores nothing.
struct CoarseChoice {
    Fixed4 resolution;
    bool store = false;
    std::optional<int> coarseIndex;
};
CoarseChoice chooseCoarseCode(std::string_view code, Fixed4 current);
// Choosing a fine code: its pitch, always stored; nothing for text that is no fine code.
std::optional<Fixed4> chooseFineCode(std::string_view code);

inline constexpr std::string_view kCalibrationTitle = "打印通知";
inline constexpr std::string_view kCoarseConfirmText = "程式将打印出【校正条码】进行比对，是否进行打印";
inline constexpr std::string_view kFineConfirmText =
    "程式将打印出【进阶 校正条码】进行比对，是否进行打印\r\n★注意★ 打印机 需 二张A4纸，小票机 需 55公分距离";

// The coarse test page (nine combs, one page) and the fine test pages (B0..B60, then
// B61..B120); each ends the document and returns what ending it returned.
bool printCoarseCalibration(PageSurface& page);
bool printFineCalibration(PageSurface& page);

}  // namespace kestrin::print
