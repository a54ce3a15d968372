#pragma once

namespace ZtGUI {

/// Keys of the values that the scene wall keeps on its graphics items (QGraphicsItem::setData).
namespace TVWallItemData {
const int ButtonId = 100;               // title-bar and screen buttons: the button's identifier
const int UserData = 101;               // screens and windows: the host's value
const int FreeMode = 102;               // screens: whether their windows may be moved and resized
const unsigned ScreenCloseButton = 200; // the identifier of a screen's close button
} // namespace TVWallItemData

/// Two rectangles in scale are equal when none of their four fractions differs by more than this.
const double kTVWallScalePrecision = 0.002;

} // namespace ZtGUI
