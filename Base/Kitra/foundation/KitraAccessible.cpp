#include "KitraAccessible_p.h"

#include <QAbstractButton>
#include <QHash>

namespace ZtGUI {

namespace {

QHash<QString, AccessibleCreator>& creators()
{
    static QHash<QString, AccessibleCreator> registered;
    return registered;
}

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    const AccessibleCreator create = creators().value(className);
    return create && object && object->isWidgetType() ? create(object) : nullptr;
}

} // namespace

void RegisterAccessible(const QMetaObject& meta, AccessibleCreator create)
{
    static const bool installed = (QAccessible::installFactory(factory), true);
    Q_UNUSED(installed)
    creators().insert(QString::fromLatin1(meta.className()), create);
}

void NotifyAccessible(QObject* object, QAccessible::Event type)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(object, type);
    QAccessible::updateAccessibility(&event);
}

void NotifyAccessibleState(QObject* object, QAccessible::State changed)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleStateChangeEvent event(object, changed);
    QAccessible::updateAccessibility(&event);
}

ZtPictureButtonAccessible::ZtPictureButtonAccessible(QAbstractButton* button, Fallback fallback)
    : QAccessibleWidget(button, QAccessible::Button)
    , m_fallback(fallback)
{
}

QAbstractButton* ZtPictureButtonAccessible::button() const
{
    return static_cast<QAbstractButton*>(widget());
}

QString ZtPictureButtonAccessible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name)
        return QAccessibleWidget::text(t);
    const QAbstractButton* b = button();
    for (const QString& name : {b->accessibleName(), b->text(), b->toolTip()}) {
        if (!name.trimmed().isEmpty())
            return name;
    }
    return m_fallback(b);
}

QAccessible::State ZtPictureButtonAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    const QAbstractButton* b = button();
    s.pressed = b->isDown();
    s.checkable = b->isCheckable();
    s.checked = b->isChecked();
    return s;
}

QStringList ZtPictureButtonAccessible::actionNames() const
{
    return QStringList(pressAction()) + QAccessibleWidget::actionNames();
}

void ZtPictureButtonAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction() && widget()->isEnabled())
        button()->click();
    else
        QAccessibleWidget::doAction(actionName);
}

} // namespace ZtGUI
