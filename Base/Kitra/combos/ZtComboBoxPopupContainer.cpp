#include "ZtComboBoxPopupContainer.h"

#include <QComboBox>
#include <QMouseEvent>
#include <QStyleOptionComboBox>

namespace ZtGUI {

ZtComboBoxPopupContainer::ZtComboBoxPopupContainer(QWidget* parent)
    : QWidget(parent, Qt::Popup)
{
}

ZtComboBoxPopupContainer::~ZtComboBoxPopupContainer() = default;

void ZtComboBoxPopupContainer::mousePressEvent(QMouseEvent* event)
{
    auto* const combo = qobject_cast<QComboBox*>(parentWidget());
    if (!combo || rect().contains(event->pos())) {
        QWidget::mousePressEvent(event);
        return;
    }
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.subControls = QStyle::SC_All;
    option.activeSubControls = QStyle::SC_ComboBoxArrow;
    const QStyle::SubControl hit = combo->style()->hitTestComplexControl(
        QStyle::CC_ComboBox, &option, combo->mapFromGlobal(event->globalPos()), combo);
    // The press that closes the pop-up over its own combo box must not reach the combo box
    // again, or it would reopen the pop-up at once; a press anywhere else still goes through.
    const bool onOpener = combo->isEditable() ? hit == QStyle::SC_ComboBoxArrow : hit != QStyle::SC_None;
    setAttribute(Qt::WA_NoMouseReplay, onOpener);
    hide();
}

} // namespace ZtGUI
