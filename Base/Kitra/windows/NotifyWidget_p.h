#pragma once

#include <QGraphicsDropShadowEffect>

class QLabel;
class QWidget;

/// The card's drop shadow, drawn together with the card at the notice's opacity: Qt lets a widget
/// carry one effect only, so the fade cannot be a second one.
class NoticeShadow : public QGraphicsDropShadowEffect
{
public:
    explicit NoticeShadow(QObject* parent);
    void setOpacity(double opacity);

protected:
    void draw(QPainter* painter) override;

private:
    double m_opacity = 1.0;
};

class NotifyWidgetPrivate
{
public:
    QWidget* icon = nullptr;
    NoticeShadow* shadow = nullptr;          // on the card
    QLabel* label = nullptr;
    int fadeTimerId = -1;
    double opacity = 1.0;
    int delay = 3000;
    int elapsed = 0;
};
