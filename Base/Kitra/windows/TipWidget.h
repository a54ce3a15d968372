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
    static constexpr int kTriangleHeight = 10;
    static constexpr int kShaderDist = 10;

    explicit TipWidget(const QString& text, QWidget* parent = nullptr);
    ~TipWidget() override;

    void setTipText(const QString& text);
    void setTipTextColor(const QColor& colour);
    /// Shows `widget` in place of the text.
    void setWidget(QWidget* widget);
    /// -1: `kTriangleHeight`.
    void setTriangleHeight(int height);
    /// The pointer's left end; -1 centres it.
    void setTriangleLeft(int left);
    void setTriangleOnTop(bool onTop);

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void refreshColours();

    QScopedPointer<TipWidgetPrivate> d_ptr;
};
