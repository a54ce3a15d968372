#pragma once

#include <QListView>
#include "KitraExport.h"

namespace ZtGUI {

/// A QListView that scrolls with the library's scroll bars, so that the skins style it.
class KITRA_EXPORT ZtListView : public QListView
{
    Q_OBJECT

public:
    /// A list view with a ZtHorScrollBar and a ZtVerScrollBar.
    explicit ZtListView(QWidget* parent = nullptr);
    ~ZtListView() override;
};

} // namespace ZtGUI
