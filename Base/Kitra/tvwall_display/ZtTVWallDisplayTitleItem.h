#pragma once

#include <QScopedPointer>
#include <QWidget>
#include "KitraExport.h"

class QToolButton;

namespace ZtGUI {

class ZtTVWallDisplayTitleItemPrivate;

/// The title bar of a display window: a 24-pixel strip with the title on the left and the
/// window's buttons on the right. Each button takes a 26-pixel slot; when the bar is too narrow
/// for all of them the first ones give way, and the "Show More" button offers the rest in the
/// window's overflow pop-up.
class KITRA_EXPORT ZtTVWallDisplayTitleItem : public QWidget
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtTVWallDisplayTitleItem)

public:
    /// An empty title bar of `parent` in light (`bLight`) or dark colours.
    ZtTVWallDisplayTitleItem(bool bLight, QWidget* parent);
    ~ZtTVWallDisplayTitleItem() override;

    /// Shows `title` on the left of the bar.
    void SetTitle(const QString& title);
    /// Appends a button after those already added; the bar does not own its place in the pop-up.
    void AddButton(QToolButton* button);
    /// A selected bar draws a narrower background and offers resize cursors at its edges.
    void SetSelected(bool bSelected);

signals:
    /// The "Show More" button was clicked: the window opens or closes its overflow pop-up.
    void SignTitleBtnClicked();

public slots:
    /// Fits the buttons to the bar's current width.
    void OnGeometryChanged();

protected:
    /// Paints the translucent background.
    void paintEvent(QPaintEvent* event) override;
    /// Shows a resize cursor near the left, top and right edges while selected.
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QScopedPointer<ZtTVWallDisplayTitleItemPrivate> d_ptr;
};

} // namespace ZtGUI
