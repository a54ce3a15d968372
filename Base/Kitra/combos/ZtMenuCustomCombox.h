#pragma once

#include <QMap>
#include <QScopedPointer>
#include <QVector>
#include "ZtComboBox.h"

namespace ZtGUI {

class ZtMenuCustomComboxPrivate;

/// A combo box for a two-level catalogue whose drop-down is a ZtMenu with a sub-menu per main
/// item that has sub-items. The menu opens as wide as the combo box, under it or above it when
/// there is more room there. Choosing an entry shows its text as the only item and remembers
/// its key; choosing a sub-item also reports it with its main key.
class KITRA_EXPORT ZtMenuCustomCombox : public ZtComboBox
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtMenuCustomCombox)

public:
    explicit ZtMenuCustomCombox(QWidget* parent = nullptr);
    ~ZtMenuCustomCombox() override;

    /// Fills the menu from the catalogue, replacing what an earlier call put in it.
    void InitMenu(QMap<int, QString>& mapMainItems, QMap<int, QMap<int, QString>>& mapSubItems);
    void GetCurrentChosenItem(QVector<int>& vecChosenItems);

signals:
    /// An entry was chosen: the main key last hovered and the chosen entry's key.
    void SignalItemChange(int nMainItem, int nSubItem);

protected:
    void showPopup() override;
    void hidePopup() override;
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private slots:
    void OnMainMenuActionHover();

private:
    QScopedPointer<ZtMenuCustomComboxPrivate> d_ptr;
};

} // namespace ZtGUI
