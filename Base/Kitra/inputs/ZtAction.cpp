#include "ZtAction.h"

#include <QIcon>
#include "ZtSetting.h"

namespace ZtGUI {

class ZtActionPrivate
{
public:
    bool hasSubMenu = false;
    Qt::CheckState checkState = Qt::Unchecked;
};

ZtAction::ZtAction(QWidget* parent)
    : QAction(parent)
    , d_ptr(new ZtActionPrivate)
{
}

ZtAction::ZtAction(const QString& text, QWidget* parent)
    : QAction(text, parent)
    , d_ptr(new ZtActionPrivate)
{
}

ZtAction::~ZtAction() = default;

void ZtAction::SetCheckState(Qt::CheckState state)
{
    Q_D(ZtAction);
    const char* picture = "./Skin/%1/ZtGui/CheckBox/unselect-n.svg";
    if (state == Qt::PartiallyChecked && d->hasSubMenu) {
        picture = "./Skin/%1/ZtGui/CheckBox/indeterminate-n.svg";
    } else if (state != Qt::Unchecked) {
        // Partly chosen only makes sense for what a sub-menu holds.
        state = Qt::Checked;
        picture = "./Skin/%1/ZtGui/CheckBox/select-n.svg";
    }
    d->checkState = state;
    setIcon(QIcon(QString::fromLatin1(picture).arg(GetSkinVersion())));
}

Qt::CheckState ZtAction::CheckState() const
{
    return d_func()->checkState;
}

void ZtAction::SetHasSubMenu(bool hasSubMenu)
{
    d_func()->hasSubMenu = hasSubMenu;
}

bool ZtAction::HasSubMenu() const
{
    return d_func()->hasSubMenu;
}

} // namespace ZtGUI
