#include "ZtComboBox.h"

#include "ZtBaseViewItemDelegate.h"
#include "ZtListView.h"

namespace ZtGUI {

ZtComboBox::ZtComboBox(QWidget* parent)
    : QComboBox(parent)
{
    // The combo box takes the view over; the delegate is kept alive by its parent.
    setView(new ZtListView(this));
    view()->setAccessibleName(tr("Choices"));
    setItemDelegate(new ZtBaseViewItemDelegate(this));
}

ZtComboBox::~ZtComboBox() = default;

} // namespace ZtGUI
