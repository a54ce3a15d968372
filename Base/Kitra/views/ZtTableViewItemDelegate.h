#pragma once

#include <QScopedPointer>
#include "ZtBaseViewItemDelegate.h"

namespace ZtGUI {

class ZtTableViewItemDelegatePrivate;

/// The delegate of ZtTableView. Every cell may carry up to five clickable images (the model's
/// Pixmap1Role … Pixmap5Role, each an ItemPixmapValue of pixmaps) beside or over its text, placed
/// left (the default), right or centred by PixmapAlignmentRole, with hover, pressed and disabled
/// pictures, a tool tip per image and a pointing hand over enabled images. Cell editors follow
/// the model: a ZtComboBox for ComboBoxEditorRole, a ZtDateTimeEdit for DateTimeEditorRole, and
/// otherwise a ZtLineEdit; each commit writes the roles back and reports SignalEditorDataChanged.
class KITRA_EXPORT ZtTableViewItemDelegate : public ZtBaseViewItemDelegate
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtTableViewItemDelegate)

public:
    /// A delegate with margin 15 and space 4 pixels, owned by `parent` (usually the view).
    explicit ZtTableViewItemDelegate(QObject* parent = nullptr);
    ~ZtTableViewItemDelegate() override;

    /// The gap between two images; 4 by default.
    void SetPixmapSpace(int iSpace);
    /// The margin before the first image; 15 by default.
    void SetPixmapMargin(int iMargin);

    /// Paints the cell, then its images in their normal, hover, pressed or disabled picture.
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    /// The style's size, with the height of RowHeightRole when that is greater than 0.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    /// A ZtComboBox filled from ComboBoxItemsRole, a ZtDateTimeEdit (format from DateTimeFormatRole,
    /// the library's when empty), or a ZtLineEdit with the display text; none for an invalid index.
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    /// Selects ComboBoxIndexRole (else the item whose text equals the display text exactly) or sets
    /// the DateTimeEditorRole value; other editors as QStyledItemDelegate.
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    /// Writes the combo box's index, icon, text and Qt::UserRole data, or the date-time and its text,
    /// into the model, then emits SignalEditorDataChanged.
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    /// Places the editor over the cell; a line edit on a checkable cell leaves the check box visible.
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

    /// Shows the tool tip of the image whose columns hold the mouse's x, else the cell's.
    Q_INVOKABLE bool helpEvent(QHelpEvent* pEvent, QAbstractItemView* pView,
                               const QStyleOptionViewItem& optionItem, const QModelIndex& miItem) override;
    /// Sets the view's cursor (a pointing hand over an enabled image or a HandCursorRole cell) and
    /// repaints the cell for its hover pictures.
    Q_INVOKABLE void hoverEvent(QHoverEvent* pHoverEvent, QAbstractItemView* pView,
                                const QStyleOptionViewItem& optionItem, const QModelIndex& miItem);
    /// Follows the held button for the pressed pictures and answers the image slot under the mouse.
    Q_INVOKABLE struTreeViewData::ZtItemDataRole mouseEvent(QMouseEvent* pMouseEvent, QAbstractItemView* pView,
                                                            const QStyleOptionViewItem& optionItem,
                                                            const QModelIndex& miItem);

signals:
    /// Reported after every commit of an editor into the model.
    void SignalEditorDataChanged(const QModelIndex& miItem) const;

protected:
    /// The cell's PixmapAlignmentRole, else Qt::AlignLeft.
    virtual QFlags<Qt::AlignmentFlag> GetMousePixmapAlignment(const QStyleOptionViewItem& optionItem,
                                                              const QModelIndex& miItem);
    /// The first image slot whose rectangle holds `point` (disabled ones too), else NoneRole.
    virtual struTreeViewData::ZtItemDataRole CheckMouse(const QPoint& point, const QStyleOptionViewItem& optionItem,
                                                        const QModelIndex& miItem);
    /// The rectangle of one image slot; empty when the slot holds no image.
    virtual QRect GetItemPixmapRect(struTreeViewData::ZtItemDataRole enumRole, const QStyleOptionViewItem& optionItem,
                                    const QModelIndex& miItem, QFlags<Qt::AlignmentFlag> alignment);
    /// The area the images take in right alignment; empty in any other.
    virtual QRect GetAllItemPixmapRect(const QStyleOptionViewItem& optionItem, const QModelIndex& miItem,
                                       QFlags<Qt::AlignmentFlag> alignment);

private:
    friend class ZtTableViewItemDelegateSvg;
    QScopedPointer<ZtTableViewItemDelegatePrivate> d_ptr;
};

} // namespace ZtGUI
