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
    /// A selector with no colour yet (invalid); a click opens the colour dialog.
    explicit ColorSelector(QWidget* parent = nullptr);
    ~ColorSelector() override;

    /// The colour shown, repainted at once; the alpha is not shown.
    void setColor(const QColor& color);
    /// The colour shown, as set or chosen in the dialog; invalid until one is.
    QColor getColor() const;

protected:
    /// Paints the colour inside a 1-pixel grey frame with its code centred on it.
    void paintEvent(QPaintEvent* event) override;

private slots:
    void onClicked();

private:
    QString getColorText() const;

    QScopedPointer<ColorSelectorPrivate> d_ptr;
};
