#pragma once

#include <QHeaderView>
#include <QScopedPointer>
#include "KitraExport.h"

namespace ZtGUI {

class ZtHeaderViewPrivate;

/// The header of the library's item views. A section whose header data carries Qt::CheckStateRole
/// shows a check box; the box of section 0 follows the check states of the top-level rows
/// (column 0) and, when the model makes it checkable, a click on it checks or unchecks them all.
/// Section widths given by the model (HeaderSectionWidthRole) are applied when the model is set.
class KITRA_EXPORT ZtHeaderView : public QHeaderView
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtHeaderView)

public:
    /// A header of the given orientation; a click on the box sets the rows until SetAutoChangeCheckbox(false).
    explicit ZtHeaderView(Qt::Orientation orientation, QWidget* parent = nullptr);
    ~ZtHeaderView() override;

    /// Whether a click on the box also sets the rows (on by default); when off, the application
    /// sets them on SignalHeadClicked and the box follows.
    void SetAutoChangeCheckbox(bool bAuto);

    /// Follows the new model's check states and applies its HeaderSectionWidthRole widths (pixels).
    void setModel(QAbstractItemModel* model) override;

signals:
    /// The box changed because the rows changed.
    void SignalCheckStateChanged(Qt::CheckState enumCheckState);
    /// The user clicked the box; the argument is the state asked for.
    void SignalHeadClicked(Qt::CheckState enumCheckState);

protected:
    /// Paints a section with a check box as the frame plus the box and its text in bold.
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    /// Qt's size; only where Qt gives none, the bold text width plus room for a check box.
    QSize sectionSizeFromContents(int logicalIndex) const override;
    /// Keeps a press on the check box from starting a section click.
    void mousePressEvent(QMouseEvent* event) override;
    /// A release on a checkable box toggles it (SignalHeadClicked, then the rows); others go to Qt.
    void mouseReleaseEvent(QMouseEvent* event) override;

private slots:
    void OnDataChanged(const QModelIndex& miTopLeft);
    void OnUpdateCheckState();

private:
    QScopedPointer<ZtHeaderViewPrivate> d_ptr;
};

} // namespace ZtGUI
