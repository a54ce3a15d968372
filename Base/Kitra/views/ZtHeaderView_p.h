#pragma once

#include <QStyleOptionViewItem>
#include "ZtHeaderView.h"

namespace ZtGUI {

class ZtHeaderViewPrivate
{
    Q_DECLARE_PUBLIC(ZtHeaderView)

public:
    explicit ZtHeaderViewPrivate(ZtHeaderView* header) : q_ptr(header) {}

    static ZtHeaderViewPrivate* get(ZtHeaderView* header) { return header->d_func(); }
    /// Makes the header answer assistive tools with its check-all box as a child (once per process).
    static void registerAccessible();

    /// The header's own check state (section 0), or an invalid value when it has no box.
    QVariant headerState() const;
    /// The state the rows call for, counting HeaderCheckedCountRole checked rows as all.
    Qt::CheckState rowsState() const;
    /// Drawing and hit-testing of a section as an item with an optional check box.
    QStyleOptionViewItem sectionOption(int logicalIndex) const;
    /// Whether the box of section 0 is shown and a click on it toggles it.
    bool isBoxClickable() const;
    /// Where the box of `section` is drawn, in viewport coordinates; empty without a box.
    QRect boxRect(int section) const;
    /// True when the release at `pos` lies on the clickable box of the section under it.
    bool isOnCheckBox(const QPoint& pos) const;
    /// Tells assistive tools that the box's state changed.
    void announceBoxState();
    /// Click on the box: reports it, then sets the rows when auto-change is on and the header
    /// outlived the report.
    void toggleFromBox();
    void setRowsState(Qt::CheckState state);

    ZtHeaderView* q_ptr;
    bool autoChange = true;
};

} // namespace ZtGUI
