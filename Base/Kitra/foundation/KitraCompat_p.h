#pragma once

// Small helpers where Qt 5 and Qt 6 spell the same thing differently, so that one source serves
// both. Each keeps what Qt 5 did.

#include <QAbstractItemView>
#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QSettings>
#include <QSize>
#include <QString>
#include <QTextCodec>
#include <QVariant>
#include <QtGlobal>
#include <utility>

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
#include <QApplication>
#include <QDesktopWidget>
#else
#include <QGuiApplication>
#include <QScreen>
#endif

namespace KitraCompat {

/// Where a mouse, hover or drop event happened, in the receiver's whole pixels.
template <typename Event>
QPoint EventPos(const Event* event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event->position().toPoint();
#else
    return event->pos();
#endif
}

/// Where a mouse event happened, in whole screen pixels.
template <typename Event>
QPoint EventGlobalPos(const Event* event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event->globalPosition().toPoint();
#else
    return event->globalPos();
#endif
}

/// Text in the locale's 8-bit encoding. Qt 6 ties QString::toLocal8Bit() to the system's
/// encoding; going through the locale codec keeps honouring a host that sets one (GBK, say).
inline QByteArray ToLocal8Bit(const QString& text)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return QTextCodec::codecForLocale()->fromUnicode(text);
#else
    return text.toLocal8Bit();
#endif
}

/// Bytes in the locale's 8-bit encoding as text; the counterpart of ToLocal8Bit().
inline QString FromLocal8Bit(const char* bytes)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return QTextCodec::codecForLocale()->toUnicode(bytes);
#else
    return QString::fromLocal8Bit(bytes);
#endif
}

/// The rectangle a drag from `from` to `to` spans, corners included, whichever way it went.
/// Qt 6's QRect::normalized() shifts a right-to-left or bottom-to-top rectangle by a pixel.
inline QRect RectBetween(const QPoint& from, const QPoint& to)
{
    const auto ordered = [](int a, int b) { return b < a - 1 ? std::make_pair(b, a) : std::make_pair(a, b); };
    const auto [left, right] = ordered(from.x(), to.x());
    const auto [top, bottom] = ordered(from.y(), to.y());
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

/// The size of the whole desktop, every screen included.
inline QSize DesktopSize()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->virtualSize() : QSize();
#else
    return QApplication::desktop()->size();
#endif
}

/// Converts `value` in place to the meta type `type`; false where it cannot.
inline bool Convert(QVariant& value, int type)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return value.convert(QMetaType(type));
#else
    return value.convert(type);
#endif
}

/// The meta type registered under `name`, or QMetaType::UnknownType.
inline int MetaTypeId(const QByteArray& name)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return QMetaType::fromName(name).id();
#else
    return QMetaType::type(name);
#endif
}

/// Makes `settings` read and write its INI file as UTF-8, which Qt 6 always does.
inline void UseUtf8(QSettings& settings)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    settings.setIniCodec("UTF-8");
#else
    Q_UNUSED(settings)
#endif
}

/// The delegate that draws and edits `index` in `view`.
inline QAbstractItemDelegate* DelegateFor(const QAbstractItemView* view, const QModelIndex& index)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return view->itemDelegateForIndex(index);
#else
    return view->itemDelegate(index);
#endif
}

} // namespace KitraCompat
