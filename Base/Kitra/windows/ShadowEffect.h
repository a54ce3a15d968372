#pragma once

#include <QColor>
#include <QRect>
#include <QScopedPointer>
#include <QWidget>
#include "KitraExport.h"

class ShadowEffectPrivate;

/// A soft drop shadow drawn by a translucent widget of its own behind a target widget or window,
/// for frameless windows that get no shadow from the system. Once attached it follows the target's
/// moves and resizes and shows and hides with it; the target is not owned.
class KITRA_EXPORT ShadowEffect : public QWidget
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ShadowEffect)

public:
    /// Sides that get a shadow; combine them with `|` (all four: 0xf).
    enum Frame { FrameLeft = 1, FrameTop = 2, FrameRight = 4, FrameBottom = 8 };

    /// A shadow `width` pixels thick in `colour`, whose innermost line has alpha `maximumAlpha`.
    /// A `suppressed` shadow does not show itself with its target.
    ShadowEffect(const QColor& colour, int width, Frame frame, bool suppressed, int maximumAlpha);
    ~ShadowEffect() override;

    /// Puts the shadow behind `target` (a window gets a frameless tool window of its own, a child widget a
    /// sibling stacked under it) and follows it from then on; shows it now when the target is visible
    /// and the shadow is not suppressed. A null `target` is refused with a warning.
    void attachWidget(QWidget* target);
    /// Hides the shadow; the target's later shows bring it back.
    void dettachWidget();
    /// Only this part of the target, relative to its top-left, casts the shadow.
    void setValidRect(const QRect& rect);
    /// Whether the shadow shows itself with its target: false hides it at once, true shows it at once
    /// beside a visible target.
    void setDefaultVisible(bool visible);

protected:
    /// Follows the target's moves, resizes, shows, hides, closes and activations; never consumes them.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isWindow(QWidget* widget) const;
    bool plainFrame() const;
    void updatePos();
    void followTarget(const QEvent* event);
    void showBehindTarget();
    void paintShadow();

    QScopedPointer<ShadowEffectPrivate> d_ptr;
};

inline ShadowEffect::Frame operator|(ShadowEffect::Frame a, ShadowEffect::Frame b)
{
    return ShadowEffect::Frame(int(a) | int(b));
}
