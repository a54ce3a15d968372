#pragma once

#include <QtGlobal>

// KITRA_LIBRARY is defined only while the library itself is compiled.
#if defined(KITRA_LIBRARY)
#  define KITRA_EXPORT Q_DECL_EXPORT
#else
#  define KITRA_EXPORT Q_DECL_IMPORT
#endif

class QEvent;
class QEnterEvent;

/// The event that QWidget::enterEvent() receives: a QEnterEvent (with the mouse position) from Qt 6
/// on, a plain QEvent in Qt 5. A widget that overrides enterEvent() names it this way so that one
/// header serves hosts on either Qt.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
using KitraEnterEvent = QEnterEvent;
#else
using KitraEnterEvent = QEvent;
#endif
