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

    void SetTitle(const QString& title);
    QString GetTitle() const;
    void SetIcon(const QIcon& icon);
    void SetShowTitle(bool show);
    bool IsShowTitle() const;
    /// Whether the buttons that fit are shown.
    void SetButtonsVisible(bool visible);
    /// Appends a button; buttons are placed from the right in the order they are added.
    void AddButton(QGraphicsPixmapItem* button);
    QList<QGraphicsPixmapItem*> GetButtons() const;
    QRectF GetRect() const;

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void OnGeometryChanged();

private:
    void LayoutButtons();
    void UpdateShownTitle();

    QScopedPointer<ZtTVWallNormalTitleItemPrivate> d_ptr;
};

} // namespace ZtGUI
