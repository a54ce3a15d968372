#pragma once

#include <QRect>

class QComboBox;
class QEvent;
class QString;
class QWidget;

namespace ZtGUI {

/// Placement and key rules shared by the combo boxes that open a pop-up of their own.
namespace ComboPopup {

/// The available area of the screen that holds `widget`.
QRect AvailableGeometry(const QWidget* widget);

/// Escape, Return and Enter close an open pop-up.
bool IsClosingKey(const QEvent* event);

/// Where a pop-up `width` x `height` opens for `combo`: under it, overlapping its bottom pixel,
/// kept inside the available area horizontally; above it when there is more room there, and
/// shrunk to the larger room when it fits neither way.
QRect Geometry(const QWidget* combo, int width, int height);

/// Makes `text` the only item of `combo` and then reports the change; false when a host
/// deleted the combo box from a slot of its change signals.
bool ShowOnlyItem(QComboBox* combo, const QString& text);

} // namespace ComboPopup
} // namespace ZtGUI
