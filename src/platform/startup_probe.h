#pragma once
// For the start-up benchmark: with KESTRIN_STARTUP_PROBE set, a program prints "shown" once its
// window is on the screen, then, after a short idle, "rss <kB>" and ends. Without it, nothing.

class QWidget;

namespace kestrin::platform {

void installStartupProbe(QWidget& window);

}  // namespace kestrin::platform
