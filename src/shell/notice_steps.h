#pragma once
// The notice window's growth and shrinking, in twips, centred on the screen.

#include "shell/window_geometry.h"

namespace kestrin::shell {

// Each notice picture is 272 x 72 pixels.
constexpr WindowSize kNoticePicture{4080, 1080};
constexpr WindowSize kNoticeStart{200, 100};
constexpr WindowSize kNoticeIdle{400, 100};
constexpr int kNoticeCount = 4;  // 1 added, 2 deleted, 3 recorded, 4 modified

// 视窗展开: grows by 400 wide and 100 high per tick up to the picture's size.
AnimationTick noticeExpandTick(WindowSize now, WindowSize picture = kNoticePicture);
// 视窗缩关: shrinks by 400 wide and 100 high per tick until at most 400 x 200.
AnimationTick noticeShrinkTick(WindowSize now);
// The top-left corner that centres a window of this size on the screen.
struct Corner {
    int left = 0, top = 0;
    bool operator==(const Corner&) const = default;
};
Corner centredOn(WindowSize window, WindowSize screen);

}  // namespace kestrin::shell
