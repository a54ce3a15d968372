#pragma once

#include <QAccessibleWidget>

class QAbstractButton;

namespace ZtGUI {

using AccessibleCreator = QAccessibleInterface* (*)(QObject* object);

/// Makes `create` answer assistive tools for objects of the class `meta` describes (and of the
/// host's sub-classes of it). The factory behind it is installed once per process, on first use.
void RegisterAccessible(const QMetaObject& meta, AccessibleCreator create);

/// Tells assistive tools that `type` happened to `object`. Builds nothing while no tool is active:
/// Qt then hands events to nobody, yet would make the object's interface just to drop the event.
void NotifyAccessible(QObject* object, QAccessible::Event type);
/// Likewise for a change of the states set in `changed`.
void NotifyAccessibleState(QObject* object, QAccessible::State changed);

/// A button that shows a picture or a colour instead of a text. Read by the name a host gave it,
/// else by its text, its tool tip, or what `fallback` says of it; pressed like any push button.
class ZtPictureButtonAccessible : public QAccessibleWidget
{
public:
    using Fallback = QString (*)(const QAbstractButton* button);

    ZtPictureButtonAccessible(QAbstractButton* button, Fallback fallback);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    QAbstractButton* button() const;

    Fallback m_fallback;
};

} // namespace ZtGUI
