#include "shell/notice_steps.h"

namespace kestrin::shell {
namespace {
constexpr int kWidthStep = 400;
constexpr int kHeightStep = 100;
constexpr int kShrunkWidth = 400;
constexpr int kShrunkHeight = 200;
}  // namespace

AnimationTick noticeExpandTick(WindowSize now, WindowSize picture) {
    if (now.height < picture.height) now.height += kHeightStep;
    if (now.width < picture.width) now.width += kWidthStep;
    if (now.height >= picture.height && now.width >= picture.width) return {picture, true};
    return {now, false};
}

AnimationTick noticeShrinkTick(WindowSize now) {
    if (now.height > kHeightStep) now.height -= kHeightStep;
    if (now.width > kWidthStep) now.width -= kWidthStep;
    return {now, now.height <= kShrunkHeight && now.width <= kShrunkWidth};
}

Corner centredOn(WindowSize window, WindowSize screen) {
    return {(screen.width - window.width) / 2, (screen.height - window.height) / 2};
}

}  // namespace kestrin::shell
