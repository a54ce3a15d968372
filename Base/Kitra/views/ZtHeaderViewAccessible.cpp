// The header as assistive tools see it: the check-all box it paints in section 0 is a check box
// child of the header, read from the header's state and toggled as a click toggles it.
#include "ZtHeaderView_p.h"

#include "KitraAccessible_p.h"

#include <QAccessibleWidget>
#include <QPointer>

namespace ZtGUI {

namespace {

class CheckAllAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    explicit CheckAllAccessible(ZtHeaderView* header) : m_header(header) {}

    bool isValid() const override { return m_header && d()->headerState().isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_header ? m_header->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_header.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::CheckBox; }

    /// The section's text, else "Select all".
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !isValid())
            return QString();
        const QString section = m_header->model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString();
        return section.trimmed().isEmpty() ? ZtHeaderView::tr("Select all") : section;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invalid = !isValid();
        if (s.invalid)
            return s;
        const int check = d()->headerState().toInt();
        s.checkable = true;
        s.checked = check == Qt::Checked;
        s.checkStateMixed = check == Qt::PartiallyChecked;
        s.disabled = !d()->isBoxClickable();
        return s;
    }

    QRect rect() const override
    {
        return isValid() ? d()->boxRect(0).translated(m_header->viewport()->mapToGlobal(QPoint(0, 0))) : QRect();
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override
    {
        return isValid() && d()->isBoxClickable() ? QStringList(toggleAction()) : QStringList();
    }

    /// As a click: the header reports the state asked for, then sets the rows.
    void doAction(const QString& actionName) override
    {
        if (actionName == toggleAction() && actionNames().contains(actionName))
            d()->toggleFromBox();
    }

    QStringList keyBindingsForAction(const QString&) const override { return QStringList(); }

private:
    ZtHeaderViewPrivate* d() const { return ZtHeaderViewPrivate::get(m_header); }

    QPointer<ZtHeaderView> m_header;
};

/// The header; its one child is the check-all box while section 0 shows one.
class HeaderAccessible : public QAccessibleWidget
{
public:
    explicit HeaderAccessible(ZtHeaderView* header) : QAccessibleWidget(header, QAccessible::Grouping) {}
    ~HeaderAccessible() override
    {
        if (m_box)
            QAccessible::deleteAccessibleInterface(m_box);
    }

    int childCount() const override { return box() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override { return index == 0 ? box() : nullptr; }
    int indexOfChild(const QAccessibleInterface* child) const override { return child && child == box() ? 0 : -1; }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        QAccessibleInterface* b = box();
        return b && b->rect().contains(x, y) ? b : nullptr;
    }

private:
    QAccessibleInterface* box() const
    {
        auto* header = static_cast<ZtHeaderView*>(widget());
        if (!ZtHeaderViewPrivate::get(header)->headerState().isValid())
            return nullptr;
        if (!m_box)
            m_box = QAccessible::registerAccessibleInterface(new CheckAllAccessible(header));
        return QAccessible::accessibleInterface(m_box);
    }

    mutable QAccessible::Id m_box = 0;
};

} // namespace

void ZtHeaderViewPrivate::registerAccessible()
{
    static const bool registered = (RegisterAccessible(ZtHeaderView::staticMetaObject, [](QObject* object) -> QAccessibleInterface* {
        return new HeaderAccessible(static_cast<ZtHeaderView*>(object));
    }), true);
    Q_UNUSED(registered)
}

} // namespace ZtGUI
