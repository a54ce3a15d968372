#pragma once

#include <QScopedPointer>
#include <QTreeView>
#include "KitraExport.h"
#include "struTreeViewData.h"

namespace ZtGUI {

class ZtBaseViewPrivate;

/// The tree view the library's item views build on: the library's header (ZtHeaderView) and
/// scroll bars, optional grid lines, a column kept resized to its contents, and one routing step.
/// Every mouse press, release, double click and hover on the viewport is handed to the item
/// delegate by the names of its invokable methods "mouseEvent" and "hoverEvent", so that a
/// delegate can hit-test images drawn inside a cell; a delegate without them receives nothing.
/// A release on an enabled view reports SignalClicked (both overloads, even over empty space),
/// then SignalPixmapClicked when the delegate answered an image slot.
class KITRA_EXPORT ZtBaseView : public QTreeView
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtBaseView)

public:
    /// A tree view with the library's header, scroll bars and default delegate; both grid lines on.
    explicit ZtBaseView(QWidget* parent = nullptr);
    ~ZtBaseView() override;

    /// A line under every row; on by default.
    void SetHorizontalGridVisible(bool bVisible);
    /// A line left of every column; on by default.
    void SetVerizontalGridVisible(bool bVisible);
    /// Keeps `column` resized to its contents, 50 ms after the last change that may widen it;
    /// -1 is ignored.
    void SetColumnResizeToContents(int column);

signals:
    /// A mouse release on an enabled view fell on image slot `enumItemRole` (Pixmap1Role … Pixmap5Role)
    /// of `miItem`, after both SignalClicked.
    void SignalPixmapClicked(const QModelIndex& miItem, ZtGUI::struTreeViewData::ZtItemDataRole enumItemRole);
    /// A mouse button was released over `miItem` (an invalid index over empty space) on an enabled view.
    void SignalClicked(const QModelIndex& miItem);
    /// `iMouseButton` is the Qt::MouseButton released.
    void SignalClicked(const QModelIndex& miItem, int iMouseButton);

public slots:
    /// Schedules the column resize when a valid row was expanded.
    void OnExpanded(const QModelIndex& index);

protected:
    /// Draws the row, then its grid lines in the style's grid colour.
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    /// Hands presses, releases, double clicks and hovers to the delegate and reports releases.
    bool viewportEvent(QEvent* event) override;
    /// Schedules the column resize.
    void resizeEvent(QResizeEvent* event) override;
    /// Resizes the chosen column to its contents once the changes have settled.
    void timerEvent(QTimerEvent* event) override;

protected slots:
    /// Repaints and schedules the column resize.
    void dataChanged(const QModelIndex& miTopLeft, const QModelIndex& miBottomRight,
                     const QVector<int>& roles = QVector<int>()) override;
    /// Schedules the column resize.
    void rowsInserted(const QModelIndex& miParent, int iStart, int iEnd) override;
    /// Schedules the column resize.
    void rowsAboutToBeRemoved(const QModelIndex& miParent, int iStart, int iEnd) override;

private:
    QScopedPointer<ZtBaseViewPrivate> d_ptr;
};

} // namespace ZtGUI
