#pragma once

#include <QString>

namespace ZtGUI {

/// The active skin style: the settings' [SkinStyle] SkinFolder, empty when unset. Widgets compare
/// it with "Dark" and "DustyBlue" to pick the colours they draw themselves.
QString SkinStyle();

} // namespace ZtGUI
