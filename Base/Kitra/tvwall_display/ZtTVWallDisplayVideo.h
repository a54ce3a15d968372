#pragma once

#include <QScopedPointer>
#include <QWidget>
#include "KitraExport.h"

namespace ZtGUI {

class ZtTVWallDisplayVideoPrivate;

/// The widget of a display window into which the host renders video. Until video arrives it
/// shows the stream state the host sets in its dynamic property "state" ("request" or
/// "timeout"). Each repaint of its window calls the host back through the function whose address
/// is in "refresh-callback" with the text in "refresh-callback-param"; both must be set.
class KITRA_EXPORT ZtTVWallDisplayVideo : public QWidget
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(ZtTVWallDisplayVideo)

public:
    /// A host function called with the "refresh-callback-param" text in the local 8-bit encoding.
    using RefreshCallback = void (*)(const char*);

    /// An empty widget of the display window `parent`, without a callback.
    explicit ZtTVWallDisplayVideo(QWidget* parent);
    ~ZtTVWallDisplayVideo() override;

    /// Kept for the host; the widget does not draw it.
    void SetText(const QString& text);
    /// The text given by SetText.
    QString GetText() const;
    /// The typed form of the two callback properties: writes both of them.
    void SetRefreshCallback(RefreshCallback callback, const QString& param);
    /// Calls the host's function when both callback properties are set.
    void InvokeRefreshCallback();

protected:
    /// Paints the status text for "state" ("Requesting stream...", "Timeout" or nothing), centred.
    void paintEvent(QPaintEvent* event) override;
    /// Shows the arrow cursor over the video.
    void enterEvent(KitraEnterEvent* event) override;

private:
    QScopedPointer<ZtTVWallDisplayVideoPrivate> d_ptr;
};

} // namespace ZtGUI
