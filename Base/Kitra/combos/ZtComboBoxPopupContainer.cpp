#include "ZtComboBoxPopupContainer.h"
#include "ZtComboBoxPopupContainer_p.h"

#include "KitraCompat_p.h"
#include "KitraGuard_p.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyleOptionComboBox>

namespace ZtGUI {

namespace ComboPopup {

QRect AvailableGeometry(const QWidget* widget)
{
    const QScreen* screen = widget->screen();
    return (screen ? screen : QGuiApplication::primaryScreen())->availableGeometry();
}

bool IsClosingKey(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter;
}

QRect Geometry(const QWidget* combo, int width, int height)
{
    const QRect available = AvailableGeometry(combo);
    const int h = combo->height();
    const QPoint origin = combo->mapToGlobal(QPoint(0, h - 2));
    int x = origin.x();
    int y = origin.y();
    const int w = qMin(width, available.width());

    if (x + w > available.x() + available.width())
        x = available.x() + available.width() - w;
    if (x < available.x())
        x = available.x();

    const int spaceAbove = y - h - available.top() + 2;
    const int spaceBelow = available.bottom() - y;
    if (spaceBelow < height) {
        height = qMin(height, qMax(spaceAbove, spaceBelow));
        if (spaceBelow < spaceAbove)
            y = y - height - h + 2;
    }
    return QRect(x, y + 1, w, height);
}

bool ShowOnlyItem(QComboBox* combo, const QString& text)
{
    {
        // QComboBox goes on with itself after emitting its change signals, so they are held
        // back here and announced once it is done.
        const QSignalBlocker blocker(combo);
        combo->clear();
        combo->addItem(text);
    }
    return EmitAlive(combo, QOverload<int>::of(&QComboBox::currentIndexChanged), 0)
        && EmitAlive(combo, &QComboBox::currentTextChanged, text);
}

} // namespace ComboPopup

ZtComboBoxPopupContainer::ZtComboBoxPopupContainer(QWidget* parent)
    : QWidget(parent, Qt::Popup)
{
}

ZtComboBoxPopupContainer::~ZtComboBoxPopupContainer() = default;

void ZtComboBoxPopupContainer::mousePressEvent(QMouseEvent* event)
{
    auto* const combo = qobject_cast<QComboBox*>(parentWidget());
    if (!combo)
        return;
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.subControls = QStyle::SC_All;
    option.activeSubControls = QStyle::SC_ComboBoxArrow;
    const QStyle::SubControl hit = combo->style()->hitTestComplexControl(
        QStyle::CC_ComboBox, &option, combo->mapFromGlobal(KitraCompat::EventGlobalPos(event)), combo);
    // The press that closes the pop-up over its own combo box must not reach the combo box
    // again, or it would reopen the pop-up at once; a press anywhere else still goes through.
    if (combo->isEditable() ? hit == QStyle::SC_ComboBoxArrow : hit != QStyle::SC_None)
        setAttribute(Qt::WA_NoMouseReplay);
    hide();
}

} // namespace ZtGUI
