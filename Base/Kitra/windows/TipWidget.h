#pragma once

#include <QScopedPointer>
#include <QWidget>
#include "KitraExport.h"

class TipWidgetPrivate;

/// A frameless, translucent balloon that shows a text (or a widget of the host's) in a box with
/// rounded corners and a triangular pointer on its bottom or top edge, coloured by the active skin.
/// The host places it; the layout's margins leave room for the pointer.
class KITRA_EXPORT TipWidget : public QWidget
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(TipWidget)

public:
    /// Default depth of the pointer in pixels.
    static constexpr int kTriangleHeight = 10;
    /// Margin around the content in pixels, which leaves room for the pointer and the shadow.
    static constexpr int kShaderDist = 10;

    /// A balloon showing `text` in red, word-wrapped, with the pointer centred on the bottom edge; a
    /// top-level window even with a `parent`.
    explicit TipWidget(const QString& text, QWidget* parent = nullptr);
    ~TipWidget() override;

    /// The text of the balloon.
    void setTipText(const QString& text);
    /// The text colour (alpha ignored).
    void setTipTextColor(const QColor& colour);
    /// Shows `widget` in place of the text.
    void setWidget(QWidget* widget);
    /// -1: `kTriangleHeight`.
    void setTriangleHeight(int height);
    /// The pointer's left end; -1 centres it.
    void setTriangleLeft(int left);
    /// Puts the pointer on the top edge (with square box corners) instead of the bottom; repaints.
    void setTriangleOnTop(bool onTop);

protected:
    /// Takes the border and fill colours from the current skin (DustyBlue or Dark) at every show.
    void showEvent(QShowEvent* event) override;
    /// Draws the box around the text or widget and its pointer.
    void paintEvent(QPaintEvent* event) override;

private:
    void refreshColours();

    QScopedPointer<TipWidgetPrivate> d_ptr;
};
