#include "ZtMenuCustomCombox.h"
#include "ZtMenuCustomCombox_p.h"

#include "KitraGuard_p.h"
#include "ZtAction.h"
#include "ZtComboBoxPopupContainer_p.h"

#include <QMouseEvent>
#include <QStyleOptionComboBox>

namespace ZtGUI {

bool ZtMenuCustomComboxPrivate::Choose(const QAction* action)
{
    Q_Q(ZtMenuCustomCombox);
    chosen.clear();
    const QString text = action->text();
    if (const QMenu* subMenu = action->menu()) {
        for (const QAction* sub : subMenu->actions())
            chosen.append(sub->data().toInt());
    } else {
        const int key = action->data().toInt();
        chosen.append(key);
        if (!EmitAlive(q, &ZtMenuCustomCombox::SignalItemChange, hoveredMainKey, key))
            return false;
    }
    return ComboPopup::ShowOnlyItem(q, text);
}

ZtMenuCustomCombox::ZtMenuCustomCombox(QWidget* parent)
    : ZtComboBox(parent)
    , d_ptr(new ZtMenuCustomComboxPrivate(this))
{
}

ZtMenuCustomCombox::~ZtMenuCustomCombox() = default;

void ZtMenuCustomCombox::InitMenu(QMap<int, QString>& mapMainItems, QMap<int, QMap<int, QString>>& mapSubItems)
{
    Q_D(ZtMenuCustomCombox);
    if (d->menu)
        d->menu->clear();
    else
        d->menu = new ZtMenu(this);
    d->menu->setAccessibleName(tr("Choices"));
    for (auto it = mapMainItems.cbegin(); it != mapMainItems.cend(); ++it) {
        auto* action = new ZtAction(it.value(), d->menu);
        action->setData(it.key());
        d->menu->addAction(action);
        connect(action, &QAction::hovered, this, &ZtMenuCustomCombox::OnMainMenuActionHover);
        const auto subItems = mapSubItems.constFind(it.key());
        if (subItems == mapSubItems.cend())
            continue;
        // The sub-menu is a child of the menu, so clearing the menu on a later call deletes it.
        auto* subMenu = new ZtMenu(d->menu);
        subMenu->setAccessibleName(it.value());
        for (auto sub = subItems->cbegin(); sub != subItems->cend(); ++sub)
            subMenu->addAction(sub.value())->setData(sub.key());
        action->SetHasSubMenu(true);
        action->setMenu(subMenu);
    }
}

void ZtMenuCustomCombox::GetCurrentChosenItem(QVector<int>& vecChosenItems)
{
    Q_D(const ZtMenuCustomCombox);
    vecChosenItems = d->chosen;
}

void ZtMenuCustomCombox::OnMainMenuActionHover()
{
    Q_D(ZtMenuCustomCombox);
    if (const auto* action = qobject_cast<const QAction*>(sender()))
        d->hoveredMainKey = action->data().toInt();
}

void ZtMenuCustomCombox::showPopup()
{
    Q_D(ZtMenuCustomCombox);
    if (!d->menu)
        return;
    const QRect geometry = ComboPopup::Geometry(this, width(), d->menu->sizeHint().height());
    d->menu->setFixedWidth(geometry.width());
    // The menu runs its own event loop, in which a host may delete the combo box; the menu goes
    // with it, and then no action comes back.
    const QAction* chosen = d->menu->exec(geometry.topLeft());
    if (chosen && d->Choose(chosen))
        hidePopup();
}

void ZtMenuCustomCombox::hidePopup()
{
    Q_D(ZtMenuCustomCombox);
    if (d->menu)
        d->menu->hide();
}

void ZtMenuCustomCombox::mousePressEvent(QMouseEvent* event)
{
    Q_D(ZtMenuCustomCombox);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QStyle::SubControl hit = style()->hitTestComplexControl(QStyle::CC_ComboBox, &option, event->pos(), this);
    if (d->MenuVisible() && hit == QStyle::SC_ComboBoxArrow) {
        hidePopup();
        event->accept();
        return;
    }
    // Opened here rather than by QComboBox, which goes on with the combo box after the menu's
    // event loop returns, when a host may have deleted it.
    if (event->button() == Qt::LeftButton && (hit == QStyle::SC_ComboBoxArrow || !isEditable())) {
        event->accept();
        showPopup();
        return;
    }
    QComboBox::mousePressEvent(event);
}

bool ZtMenuCustomCombox::event(QEvent* event)
{
    if (ComboPopup::IsClosingKey(event)) {
        hidePopup();
        event->accept();
        return true;
    }
    return QComboBox::event(event);
}

} // namespace ZtGUI
