#include "WaitWidget.h"
#include "WaitWidget_p.h"

#include <QBitmap>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMovie>
#include <QTimer>

namespace ZtGUI {

namespace {
// The one picture of every skin: the indicator looks the same whatever the skin.
const char kLoadingPicture[] = "./Skin/DustyBlue/Kitra/WaitDialog/loading.gif";
int g_timeOutSecond = 1000;   // ms
} // namespace

void SetWaitTimeOutSecondForTests(int milliseconds)
{
    g_timeOutSecond = milliseconds;
}

WaitWidget::WaitWidget(QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
    , d_ptr(new WaitWidgetPrivate)
{
    Q_D(WaitWidget);
    setAttribute(Qt::WA_TranslucentBackground);
    d->movie = new QMovie(QString::fromLatin1(kLoadingPicture), QByteArray(), this);
    d->label = new QLabel(this);
    d->label->setMovie(d->movie);
    // An animation says nothing to a screen reader: both the window and the picture are named.
    setAccessibleName(tr("Please wait"));
    d->label->setAccessibleName(tr("Busy"));
    d->timer = new QTimer(this);
    connect(d->timer, &QTimer::timeout, this, &WaitWidget::OnTimeOutToStopWaiting);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(d->label);

    if (!d->movie->isValid() || !d->movie->jumpToFrame(0)) {
        qWarning("---ZtGUI--- WaitWidget: cannot read %s", kLoadingPicture);
        return;
    }
    const QPixmap first = d->movie->currentPixmap();
    d->label->setFixedSize(first.size());
    setMask(first.mask());
}

WaitWidget::~WaitWidget() = default;

void WaitWidget::StartWaiting()
{
    Q_D(WaitWidget);
    d->canceled = false;
    d->label->show();
    d->movie->start();
    if (d->timeOut != -1)
        d->timer->start(d->timeOut * g_timeOutSecond);
    // Centred over the parent again, wherever the last waiting left it.
    setAttribute(Qt::WA_Moved, false);
    exec();
    // The host may have deleted this dialog while it waited: touch nothing here.
}

void WaitWidget::StopWaiting(bool normal)
{
    Q_D(WaitWidget);
    d->movie->stop();
    d->label->hide();
    d->timer->stop();
    d->canceled = !normal;
    close();
    if (!normal)
        emit sgnUnNormalExit();
}

void WaitWidget::SetTimeOut(int seconds)
{
    Q_D(WaitWidget);
    d->timeOut = seconds;
}

void WaitWidget::SetPressESCToCancel(bool cancel)
{
    Q_D(WaitWidget);
    d->escapeCancels = cancel;
}

bool WaitWidget::GetIfCanceled() const
{
    Q_D(const WaitWidget);
    return d->canceled;
}

void WaitWidget::keyPressEvent(QKeyEvent* event)
{
    Q_D(const WaitWidget);
    // Every key stops here, so Escape never rejects the dialog by itself.
    event->accept();
    if (d->escapeCancels && isVisible() && event->key() == Qt::Key_Escape)
        StopWaiting(false);
}

void WaitWidget::OnTimeOutToStopWaiting()
{
    StopWaiting(false);
}

} // namespace ZtGUI
