#pragma once

#include <QFrame>
#include <QScopedPointer>
#include "KitraExport.h"

class QToolButton;

namespace ZtGUI {

class TVWallDisplayTitleItemExPrivate;

/// The overflow pop-up of a display window's title bar: a narrow column holding copies of the
/// title buttons, shown below the "Show More" button.
class KITRA_EXPORT TVWallDisplayTitleItemEx : public QFrame
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(TVWallDisplayTitleItemEx)

public:
    /// An empty hidden pop-up of `parent` in light (`bLight`) or dark colours.
    TVWallDisplayTitleItemEx(bool bLight, QWidget* parent);
    ~TVWallDisplayTitleItemEx() override;

    /// Appends a button below those already added; the pop-up grows by 20 pixels per button.
    void AddButton(QToolButton* button);

protected:
    /// Paints the translucent background.
    void paintEvent(QPaintEvent* event) override;

private:
    QScopedPointer<TVWallDisplayTitleItemExPrivate> d_ptr;
};

} // namespace ZtGUI
