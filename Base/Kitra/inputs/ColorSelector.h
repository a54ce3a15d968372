#pragma once

#include <QPushButton>
#include <QScopedPointer>
#include "KitraExport.h"

class ColorSelectorPrivate;

/// A button that shows a colour with its hexadecimal code (RRGGBB) and opens the platform colour
/// dialog when clicked; cancelling the dialog keeps the colour. The code is black, or white on a
/// colour whose red, green and blue are all below 120.
class KITRA_EXPORT ColorSelector : public QPushButton
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ColorSelector)

public:
    explicit ColorSelector(QWidget* parent = nullptr);
    ~ColorSelector() override;

    void setColor(const QColor& color);
    QColor getColor() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private slots:
    void onClicked();

private:
    QString getColorText() const;

    QScopedPointer<ColorSelectorPrivate> d_ptr;
};
