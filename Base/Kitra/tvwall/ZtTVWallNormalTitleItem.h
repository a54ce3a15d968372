#pragma once

#include <QGraphicsWidget>
#include <QScopedPointer>
#include "KitraExport.h"

class QGraphicsPixmapItem;

namespace ZtGUI {

class ZtTVWallNormalTitleItemPrivate;

/// The title bar of a scene-wall window: a 24-pixel strip across the window's top with the
/// title text on the left and a row of picture buttons from the right.
class KITRA_EXPORT ZtTVWallNormalTitleItem : public QGraphicsWidget
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtTVWallNormalTitleItem)

public:
    /// `window` is the parent item whose top the bar covers.
    explicit ZtTVWallNormalTitleItem(QGraphicsWidget* window);
    ~ZtTVWallNormalTitleItem() override;

    /// The text drawn on the left in white, elided at the right before the buttons.
    void SetTitle(const QString& title);
    /// The text last given to SetTitle().
    QString GetTitle() const;
    /// A non-null icon draws the skin's title icon picture before the text; a null one removes it.
    void SetIcon(const QIcon& icon);
    /// Shows or hides the title text; hidden after construction.
    void SetShowTitle(bool show);
    /// Whether the title text is shown.
    bool IsShowTitle() const;
    /// Whether the buttons that fit are shown; a button that does not fit the bar is always hidden.
    void SetButtonsVisible(bool visible);
    /// Appends a button and takes it as a child (null is ignored); buttons are placed from the
    /// right in the order they are added, 7 pixels apart.
    void AddButton(QGraphicsPixmapItem* button);
    /// The buttons in the order they were added (the first stands rightmost).
    QList<QGraphicsPixmapItem*> GetButtons() const;
    /// The bar's rectangle in its own coordinates: 24 pixels high, as wide as the window less 3.
    QRectF GetRect() const;

    /// Fills the bar in dark grey at 80 % opacity and draws the icon and title.
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    /// Elides the title again when the font changes.
    void changeEvent(QEvent* event) override;

private slots:
    void OnGeometryChanged();

private:
    // The window tells its title bar of its resizes directly, without a connection per window.
    friend class ZtTVWallNormalWindow;

    void LayoutButtons();
    void UpdateShownTitle();

    QScopedPointer<ZtTVWallNormalTitleItemPrivate> d_ptr;
};

} // namespace ZtGUI
