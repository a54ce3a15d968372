#include "DisplayWindowPage.h"

#include "GalleryLog.h"

#include "CommonFun.h"
#include "NotifyManager.h"
#include "ZtTVWallDisplayVideo.h"
#include "ZtTVWallDisplayWindow.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

using namespace ZtGUI;

namespace {

const int kCellRows = 2;
const int kCellCols = 3;

bool lightSkin()
{
    return CommonFun::GetSkinType() != CommonFun::E_SKIN_DARK;
}

// Stands in for a display screen: places its windows from their scales whenever it resizes,
// reports the monitor cells it spans for self-adaption, and draws them.
class DemoScreen : public QMdiArea
{
    Q_OBJECT

public:
    explicit DemoScreen(QWidget* parent) : QMdiArea(parent)
    {
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setBackground(lightSkin() ? QColor(145, 155, 168) : QColor(53, 53, 53));
        // The display wall's sheet names the pictures of the windows' buttons.
        CommonFun::SetStyleSheet(this, "TVWallOperateWnd", "ZtTVWallDisplayWnd.css");
    }

    Q_INVOKABLE int GetRows() const { return kCellRows; }
    Q_INVOKABLE int GetCols() const { return kCellCols; }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QMdiArea::resizeEvent(event);
        const QSize size = viewport()->size();
        for (QMdiSubWindow* sub : subWindowList()) {
            if (auto* window = qobject_cast<ZtTVWallDisplayWindow*>(sub)) {
                const StructScaleRect s = window->GetScale();
                window->setGeometry(int(size.width() * s.dLeft + 0.5), int(size.height() * s.dTop + 0.5),
                                    int(size.width() * (s.dRight - s.dLeft) + 0.5),
                                    int(size.height() * (s.dBottom - s.dTop) + 0.5));
            }
        }
    }

    void paintEvent(QPaintEvent* event) override
    {
        QMdiArea::paintEvent(event);
        QPainter painter(viewport());
        painter.setPen(QPen(lightSkin() ? QColor(Qt::white) : QColor(76, 81, 87), 1, Qt::DashLine));
        const QRect r = viewport()->rect();
        for (int i = 1; i < kCellRows; ++i)
            painter.drawLine(0, i * r.height() / kCellRows, r.width(), i * r.height() / kCellRows);
        for (int j = 1; j < kCellCols; ++j)
            painter.drawLine(j * r.width() / kCellCols, 0, j * r.width() / kCellCols, r.height());
    }
};

QString onOff(bool on)
{
    return on ? QStringLiteral("on") : QStringLiteral("off");
}

// Top-level helpers such as floating controls and pop-ups belong to `host` through their parents.
bool ownedBy(const QWidget* widget, const QWidget* host)
{
    for (const QWidget* w = widget->parentWidget(); w; w = w->parentWidget()) {
        if (w == host)
            return true;
    }
    return false;
}

QString scaleText(const StructScaleRect& s)
{
    return QStringLiteral("(%1, %2, %3, %4)").arg(s.dLeft, 0, 'f', 3).arg(s.dTop, 0, 'f', 3)
        .arg(s.dRight, 0, 'f', 3).arg(s.dBottom, 0, 'f', 3);
}

} // namespace

DisplayWindowPage::DisplayWindowPage(QWidget* parent)
    : QWidget(parent)
{
    m_screen = new DemoScreen(this);
    m_screen->setObjectName(QStringLiteral("DisplayWindowScreen"));
    m_screen->setMinimumSize(640, 420);

    auto* hint = new QLabel(tr("Click a window to select it and show its title bar. Its buttons ask the host, "
                               "which answers as an application does: tour, lock, volume and self-adaption "
                               "toggle, close deletes the window. PTZ needs a window of at least 250 x 150."),
                            this);
    hint->setWordWrap(true);

    auto* column = new QVBoxLayout;
    column->addWidget(m_screen, 1);
    column->addWidget(hint);
    m_log = new GalleryLog(tr("Signals"), QStringLiteral("DisplayWindowLog"), this);
    m_log->setFixedWidth(320);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(column, 1);
    layout->addWidget(m_log);

    openWindow(tr("Lobby entrance"), StructScaleRect(0.0, 0.0, 2.0 / 3, 1.0), QStringLiteral("request"));
    openWindow(tr("Gate 3"), StructScaleRect(2.0 / 3, 0.0, 1.0, 0.5), QStringLiteral("timeout"));
    openWindow(tr("Car park north"), StructScaleRect(0.7, 0.55, 0.96, 0.95), QStringLiteral("empty"));
    ZtTVWallDisplayWindow* narrow = openWindow(tr("Roof east"), StructScaleRect(0.58, 0.55, 0.665, 0.95), QVariant());
    narrow->SetContentText(tr("No video"));
    narrow->DeleteVideoWidget();
}

ZtTVWallDisplayWindow* DisplayWindowPage::openWindow(const QString& title, const StructScaleRect& scale,
                                                     const QVariant& state)
{
    auto* window = new ZtTVWallDisplayWindow(nullptr, true, true, true, true, lightSkin(), nullptr);
    window->setObjectName(title);
    m_screen->addSubWindow(window, Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    window->SetTitle(title);
    window->show();
    window->SetScale(scale);
    window->GetVideoWidget()->setProperty("state", state);
    window->installEventFilter(this);
    connectWindow(window);
    m_windows << window;
    return window;
}

void DisplayWindowPage::connectWindow(ZtTVWallDisplayWindow* window)
{
    using W = ZtTVWallDisplayWindow;
    connect(window, &W::SignalCloseBtnClicked, this, [this, window] {
        log(window, QStringLiteral("SignalCloseBtnClicked"), tr("the host deletes the window"));
        delete window;
    });
    connect(window, &W::SignalTourBtnClicked, this, [this, window] {
        window->SetTourBtn(!window->GetTourBtnStatus());
        log(window, QStringLiteral("SignalTourBtnClicked"), tr("tour %1").arg(onOff(window->GetTourBtnStatus())));
    });
    connect(window, &W::SignalLockBtnClicked, this, [this, window] {
        window->SetLockBtn(!window->GetLockBtnStatus());
        log(window, QStringLiteral("SignalLockBtnClicked"), tr("lock %1").arg(onOff(window->GetLockBtnStatus())));
    });
    connect(window, &W::SignalVolemeBtnClicked, this, [this, window] {
        window->SetVolumeBtn(!window->GetVolumeBtnStatus());
        log(window, QStringLiteral("SignalVolemeBtnClicked"), tr("volume %1").arg(onOff(window->GetVolumeBtnStatus())));
    });
    connect(window, &W::SignalDockBtnClicked, this, [this, window] {
        window->SetDockBtn(!window->GetDockBtnStatus());
        log(window, QStringLiteral("SignalDockBtnClicked"), tr("self-adaption %1").arg(onOff(window->GetDockBtnStatus())));
    });
    connect(window, &W::SignalPTZBtnClicked, this, [this, window] {
        log(window, QStringLiteral("SignalPTZBtnClicked"), tr("PTZ %1").arg(onOff(window->GetPTZBtnStatus())));
    });
    connect(window, &W::SignalGeoChanged, this, [this, window](const StructScaleRect& scale) {
        log(window, QStringLiteral("SignalGeoChanged"), scaleText(scale));
    });
    connect(window, &W::SignalDoubleClickedSelectedChanged, this, [this, window] {
        select(window);
        log(window, QStringLiteral("SignalDoubleClickedSelectedChanged"));
    });
    connect(window, &W::SignalPTZEvent, this, [this, window](int type, int step, bool stop) {
        log(window, QStringLiteral("SignalPTZEvent"), tr("type %1, step %2, %3").arg(type).arg(step).arg(stop ? tr("released") : tr("pressed")));
    });
}

void DisplayWindowPage::select(ZtTVWallDisplayWindow* window)
{
    for (const QPointer<ZtTVWallDisplayWindow>& other : qAsConst(m_windows)) {
        if (other && other != window && other->IsSelected())
            other->SetSelected(false);
    }
    if (window && !window->IsSelected())
        window->SetSelected(true);
}

void DisplayWindowPage::openPtz()
{
    ZtTVWallDisplayWindow* large = m_windows.value(0);
    if (!large)
        return;
    select(large);
    if (!large->GetPTZBtnStatus())
        large->SetPTZBtn(true);
}

bool DisplayWindowPage::eventFilter(QObject* watched, QEvent* event)
{
    // The host's share of a screen's work: a press selects the window under the mouse.
    if (event->type() == QEvent::MouseButtonPress)
        select(qobject_cast<ZtTVWallDisplayWindow*>(watched));
    return QWidget::eventFilter(watched, event);
}

void DisplayWindowPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    NotifyManager::setNotifyArea(m_screen, 0, 0, m_screen->width(), m_screen->height());
    // Once the screen has its size, so that placing the windows does not close PTZ again.
    QTimer::singleShot(0, this, &DisplayWindowPage::openPtz);
}

bool DisplayWindowPage::SaveScreenshots(const QString& folder)
{
    QWidget* host = window();
    openPtz();
    // Two windows selected at once, for the picture only: PTZ stays open on the large one.
    ZtTVWallDisplayWindow* narrow = m_windows.value(3);
    if (narrow) {
        narrow->SetSelected(true);
        narrow->OnTitleBtnClicked();
    }
    QCoreApplication::processEvents();
    QPixmap picture = host->grab();
    QPainter painter(&picture);
    const QPoint origin = host->mapToGlobal(QPoint(0, 0));
    // Floating controls and the pop-up are windows of their own: drawn where they float.
    for (QWidget* floating : QApplication::topLevelWidgets()) {
        if (floating->isVisible() && ownedBy(floating, host))
            painter.drawPixmap(floating->geometry().topLeft() - origin, floating->grab());
    }
    painter.end();
    if (narrow)
        narrow->OnTitleItemExHide();
    const QString file = folder + QStringLiteral("/displaywindow-ptz.png");
    if (picture.save(file))
        return true;
    qCritical("Cannot write %s", qPrintable(file));
    return false;
}

void DisplayWindowPage::log(const QObject* window, const QString& signal, const QString& details)
{
    m_log->Append(signal, window->objectName() + (details.isEmpty() ? QString() : QStringLiteral("\n") + details));
}

#include "DisplayWindowPage.moc"
