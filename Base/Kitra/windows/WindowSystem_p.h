#pragma once

class QWidget;

namespace ZtGUI {

/// Whether the window system shows the translucent parts of `window` as translucent. An X server
/// without a compositing manager shows them black.
bool TranslucentWindowsShown(const QWidget* window);

} // namespace ZtGUI
