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
    /// An empty combo box whose drop-down does not open until InitMenu().
    explicit ZtMenuCustomCombox(QWidget* parent = nullptr);
    ~ZtMenuCustomCombox() override;

    /// Fills the menu from the catalogue (main key to text; main key to sub key to text), in ascending
    /// key order, replacing what an earlier call put in it.
    void InitMenu(QMap<int, QString>& mapMainItems, QMap<int, QMap<int, QString>>& mapSubItems);
    /// Copies the keys of the last choice into `vecChosenItems`: the chosen entry's key, or every sub
    /// key of a main entry chosen as a whole; empty before any choice.
    void GetCurrentChosenItem(QVector<int>& vecChosenItems);

signals:
    /// An entry without sub-menu was chosen: `nMainItem` is the main key last hovered (the entry's own
    /// key when it is a main entry), `nSubItem` the chosen entry's key. Emitted before the combo box
    /// shows the new text; a choice of a main entry with a sub-menu emits nothing.
    void SignalItemChange(int nMainItem, int nSubItem);

protected:
    /// Runs the menu modally, as wide as the combo box, under it or above it; a choice updates the
    /// combo box. Returns when the menu closes; nothing before InitMenu().
    void showPopup() override;
    /// Closes the menu.
    void hidePopup() override;
    /// A left press opens the menu (on an editable combo box only on the arrow); a press on the arrow
    /// while it is open closes it.
    void mousePressEvent(QMouseEvent* event) override;
    /// Escape, Return and Enter close an open menu and are consumed.
    bool event(QEvent* event) override;

private slots:
    void OnMainMenuActionHover();

private:
    QScopedPointer<ZtMenuCustomComboxPrivate> d_ptr;
};

} // namespace ZtGUI
