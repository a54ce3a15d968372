#pragma once

#include <QStyleOptionViewItem>
#include "ZtHeaderView.h"

namespace ZtGUI {

class ZtHeaderViewPrivate
{
    Q_DECLARE_PUBLIC(ZtHeaderView)

public:
    explicit ZtHeaderViewPrivate(ZtHeaderView* header) : q_ptr(header) {}

    /// The header's own check state (section 0), or an invalid value when it has no box.
    QVariant headerState() const;
    /// The state the rows call for, counting HeaderCheckedCountRole checked rows as all.
    Qt::CheckState rowsState() const;
    /// Drawing and hit-testing of a section as an item with an optional check box.
    QStyleOptionViewItem sectionOption(int logicalIndex) const;
    /// True when the release at `pos` lies on the clickable box of the section under it.
    bool isOnCheckBox(const QPoint& pos) const;
    /// Click on the box: reports it, then sets the rows when auto-change is on and the header
    /// outlived the report.
    void toggleFromBox();
    void setRowsState(Qt::CheckState state);

    ZtHeaderView* q_ptr;
    bool autoChange = true;
};

} // namespace ZtGUI
