#include "ZtDialog.h"
#include "CommonFun_p.h"
#include "ZtDialog_p.h"

#include "KitraCompat_p.h"
#include "ShadowEffect.h"
#include "ZtDialogFlash.h"
#include "ZtDialogTitle.h"
#include "ZtDir.h"
#include "ZtSetting.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QStackedLayout>
#include <QStyle>
#include <QToolButton>
#include <QVector>
#include <qdrawutil.h>

namespace ZtGUI {

namespace {

const int kTitleHeight = 45;
const int kGeometryDuration = 200;
const int kOpacityDuration = 170;
const char* const kConfigFile = "DialogCfg.ini";

// The dialogs inside exec(), oldest first.
QVector<ZtDialog*>& execDialogs()
{
    static QVector<ZtDialog*> dialogs;
    return dialogs;
}

QString configPath()
{
    return ZtDir::GetCurrentPath() + QLatin1Char('/') + QLatin1String(kConfigFile);
}

// The settings file reads '/' in a section name as nesting and folds repeated ones (and on Windows
// takes '\' for '/'): they and the escape '%' itself are percent-encoded, so that every dialog name
// has a section of its own while a plain name stays readable.
QString configSection(QString name)
{
    return name.replace(QLatin1Char('%'), QLatin1String("%25"))
        .replace(QLatin1Char('/'), QLatin1String("%2F"))
        .replace(QLatin1Char('\\'), QLatin1String("%5C"));
}

// The rectangle a closing dialog shrinks to: the middle third of its geometry.
QRect shrunkGeometry(QRect r)
{
    r.setLeft(r.left() + r.width() / 3);
    r.setTop(r.top() + r.height() / 3);
    r.setWidth(r.width() / 3);
    r.setHeight(r.height() / 3);
    return r;
}

} // namespace

void ZtDialogPrivate::init(QFlags<ZtDialog::DialogFlag> flags)
{
    Q_Q(ZtDialog);
    ui.setupUi(q);
    ZtDialogTitle* title = ui.pDialogTitle;
    title->SetLayoutContentsMargins(20, 0, 20, 0);
    title->SetLayoutSpacing(1);
    title->SetTitleAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    title->SetOpenDoubleClickEnable(false);
    titleWidgetsLayout = new QHBoxLayout;
    titleWidgetsLayout->setSpacing(1);
    title->AddLayout(titleWidgetsLayout);   // the title bar's layout owns it from here

    if (flags & ZtDialog::MinimizeButtonHint) {
        QToolButton* button = addTitleButton("pMinBtn", ZtDialog::tr("Minimize"));
        QObject::connect(button, &QToolButton::clicked, title, &ZtBaseWindowTitle::OnShowMinimized);
    }
    if (flags & ZtDialog::MaximizeButtonHint) {
        maximizeButton = addTitleButton("pMaxBtn", ZtDialog::tr("Maximize"));
        QObject::connect(maximizeButton, &QToolButton::clicked, title, &ZtBaseWindowTitle::OnShowMaxOrNormal);
        QObject::connect(maximizeButton, &QToolButton::clicked, q, &ZtDialog::OnTurnMaximizeButtonTip);
    }
    if (flags & ZtDialog::CloseButtonHint) {
        QToolButton* button = addTitleButton("pCloseBtn", ZtDialog::tr("Close"));
        QObject::connect(button, &QToolButton::clicked, q, &ZtDialog::OnCloseBtmClicked);
    }
    installPages();

    QObject::connect(title, &ZtBaseWindowTitle::SignalWndSizeStatusChanged, q, &ZtDialog::OnSizeStatusChanged);
    QObject::connect(title, &ZtBaseWindowTitle::SignalStartTitleStretch, q, &ZtDialog::OnStartTitleStretch);
    QObject::connect(title, &ZtBaseWindowTitle::SignalTitleStretching, q, &ZtDialog::OnTitleStretching);
    QObject::connect(title, &ZtBaseWindowTitle::SignalEndTitleStretch, q, &ZtDialog::OnEndTitleStretch);
    title->setFixedHeight(kTitleHeight);
    applySkin();
}

QToolButton* ZtDialogPrivate::addTitleButton(const char* objectName, const QString& toolTip)
{
    Q_Q(ZtDialog);
    auto* button = new QToolButton(q);
    button->setObjectName(QLatin1String(objectName));
    button->setToolTip(toolTip);
    button->setAccessibleName(toolTip);     // an icon alone: screen readers read what the tip says
    ui.pDialogTitle->AddWidget(button);
    return button;
}

void ZtDialogPrivate::installPages()
{
    Q_Q(ZtDialog);
    // The form's plain layout gives way to pages, so that the closing dialog can show its snapshot.
    ui.dialogLayout->removeWidget(ui.pBackgroundWidget);
    delete ui.dialogLayout;
    ui.dialogLayout = nullptr;
    pages = new QStackedLayout(q);
    pages->setContentsMargins(0, 0, 0, 0);
    pages->addWidget(ui.pBackgroundWidget);
    flash = new ZtDialogFlash(q);
    pages->addWidget(flash);
    pages->setCurrentWidget(ui.pBackgroundWidget);
    ui.pBackgroundWidget->show();
}

void ZtDialogPrivate::applySkin()
{
    Q_Q(ZtDialog);
    const bool dark = SkinStyle() == QLatin1String("Dark");
    ui.line->setStyleSheet(dark ? QStringLiteral("QFrame#line{color:#626262;}")
                                : QStringLiteral("QFrame#line{color:#e3e3e3;}"));
    const QColor colour = dark ? QColor(0, 0, 0, 255) : QColor(120, 120, 120, 255);
    // A top-level dialog's shadow is a window of its own: the dialog deletes it with itself.
    shadow = new ShadowEffect(colour, 5,
                              ShadowEffect::FrameLeft | ShadowEffect::FrameTop | ShadowEffect::FrameRight
                                  | ShadowEffect::FrameBottom,
                              false, 80);
    shadow->attachWidget(q);
}

void ZtDialogPrivate::restoreSize(const QSize& size)
{
    Q_Q(ZtDialog);
    ZtSetting config(configPath());
    KitraCompat::UseUtf8(config);
    const QString section = configSection(dialogName);
    const QVariant width = config.ReadValue(section, QStringLiteral("width"), QVariant());
    const QVariant height = config.ReadValue(section, QStringLiteral("height"), QVariant());
    if (width.isValid() && height.isValid()) {
        // A damaged entry keeps the form's own size rather than the caller's.
        if (width.toInt() > 0 && height.toInt() > 0)
            q->resize(width.toInt(), height.toInt());
    } else if (size.isValid()) {
        q->resize(size);
    }
}

void ZtDialogPrivate::storeSize()
{
    Q_Q(ZtDialog);
    ZtSetting config(configPath());
    KitraCompat::UseUtf8(config);
    const QString section = configSection(dialogName);
    config.WriteValue(section, QStringLiteral("width"), q->width());
    config.sync();
    config.WriteValue(section, QStringLiteral("height"), q->height());
    config.sync();
}

void ZtDialogPrivate::stretch()
{
    Q_Q(ZtDialog);
    const QPoint delta = pressPoint - currentPoint;
    QRect g = startGeometry;
    switch (stretchState) {
    case ZtBaseWindowTitle::STRETCH_LEFT:
        g.setLeft(g.left() - delta.x());
        break;
    case ZtBaseWindowTitle::STRETCH_RIGHT:
        g.setRight(g.right() - delta.x());
        break;
    case ZtBaseWindowTitle::STRETCH_TOP:
        g.setTop(g.top() - delta.y());
        break;
    case ZtBaseWindowTitle::STRETCH_BOTTOM:
        g.setBottom(g.bottom() - delta.y());
        break;
    case ZtBaseWindowTitle::STRETCH_TOP_LEFT:
        g.setTopLeft(g.topLeft() - delta);
        break;
    case ZtBaseWindowTitle::STRETCH_TOP_RIGHT:
        g.setTopRight(g.topRight() - delta);
        break;
    case ZtBaseWindowTitle::STRETCH_BOTTOM_RIGHT:
        g.setBottomRight(g.bottomRight() - delta);
        break;
    case ZtBaseWindowTitle::STRETCH_BOTTOM_LEFT:
        g.setBottomLeft(g.bottomLeft() - delta);
        break;
    default:
        return;
    }
    // Past the minimum the dialog stops shrinking where it stands instead of sliding away.
    const int minimumWidth = qMax(kStretchStripWidth, q->minimumWidth());
    const int minimumHeight = qMax(kStretchStripHeight, q->minimumHeight());
    if (g.width() < minimumWidth) {
        g.moveLeft(q->geometry().left());
        g.setWidth(minimumWidth);
    }
    if (g.height() < minimumHeight) {
        g.moveTop(q->geometry().top());
        g.setHeight(minimumHeight);
    }
    q->setGeometry(g);
}

void ZtDialogPrivate::endStretch()
{
    Q_Q(ZtDialog);
    pressed = false;
    regions.compute(q->size(), WindowStretchRegions::AllEdges);
    ui.pDialogTitle->calculateCurrentStrechRect();
}

void ZtDialogPrivate::startCloseAnimation(const QRect& target)
{
    Q_Q(ZtDialog);
    auto* geometry = new QPropertyAnimation(q, "geometry", q);
    geometry->setDuration(kGeometryDuration);
    geometry->setStartValue(q->geometry());
    geometry->setEndValue(target);
    QAbstractAnimation* animation = geometry;
    if (q->isWindow()) {
        savedOpacity = q->windowOpacity();
        auto* opacity = new QPropertyAnimation(q, "windowOpacity", q);
        opacity->setDuration(kOpacityDuration);
        opacity->setStartValue(savedOpacity);
        opacity->setEndValue(qMin(0.0, savedOpacity));
        opacity->setEasingCurve(QEasingCurve::InCubic);
        auto* group = new QParallelAnimationGroup(q);
        group->addAnimation(geometry);
        group->addAnimation(opacity);
        animation = group;
    }
    QObject::connect(animation, &QAbstractAnimation::finished, q, &ZtDialog::OnDoneAnimaFinished);
    closeAnimation = animation;
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

// Drops a close that is still animating; true when there was one.
bool ZtDialogPrivate::cancelClose()
{
    Q_Q(ZtDialog);
    QAbstractAnimation* animation = closeAnimation;
    if (!animation)
        return false;
    closeAnimation = nullptr;
    QObject::disconnect(animation, nullptr, q, nullptr);
    animation->stop();   // deletes itself
    showLivePage();
    restoreShape();
    return true;
}

void ZtDialogPrivate::showLivePage()
{
    Q_Q(ZtDialog);
    if (pages && q->layout() == pages)
        pages->setCurrentWidget(ui.pBackgroundWidget);
}

// The opacity, minimum size and geometry from before the close animation.
void ZtDialogPrivate::restoreShape()
{
    Q_Q(ZtDialog);
    q->setWindowOpacity(savedOpacity);
    q->setMinimumSize(savedMinimumSize);
    q->setGeometry(savedGeometry);
}

void ZtDialogPrivate::applyBorderImage()
{
    Q_Q(ZtDialog);
    if (borderImage.isNull())
        return;
    QPixmap canvas(q->size());
    canvas.fill(Qt::transparent);
    QPainter painter;
    if (!painter.begin(&canvas)) {
        qWarning("DrawBorderPixmap: Painter not active");
        return;
    }
    // The corners and the title band keep their shape; only the middle parts stretch.
    const QMargins margins(11, 33, 11, 10);
    qDrawBorderPixmap(&painter, canvas.rect(), margins, borderImage, borderImage.rect(), margins,
                      QTileRules(Qt::StretchTile));
    painter.end();
    q->setMask(canvas.mask());
}

ZtDialog::ZtDialog(QWidget* parent, QFlags<DialogFlag> flags)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , d_ptr(new ZtDialogPrivate(this))
{
    Q_D(ZtDialog);
    d->init(flags);
}

ZtDialog::ZtDialog(QString name, QSize size, QWidget* parent, QFlags<DialogFlag> flags)
    : ZtDialog(parent, flags)
{
    Q_D(ZtDialog);
    d->dialogName = name;
    d->restoreSize(size);
}

ZtDialog::~ZtDialog()
{
    Q_D(ZtDialog);
    execDialogs().removeAll(this);
    delete d->shadow;
}

void ZtDialog::AddCentralWidget(QWidget* widget)
{
    Q_D(ZtDialog);
    if (!widget) {
        qWarning("ZtDialog::AddCentralWidget: Attempt to insert null QWidget");
        return;
    }
    QWidget* frame = d->ui.pCentralFrame;
    auto* grid = qobject_cast<QGridLayout*>(frame->layout());
    if (frame->layout() && !grid) {
        // A derived dialog that lays out the frame itself places content through its own call.
        qWarning("ZtDialog::AddCentralWidget: %s lays out its central frame itself", metaObject()->className());
        return;
    }
    if (!grid) {
        grid = new QGridLayout(frame);
        grid->setContentsMargins(0, 0, 0, 0);
    }
    grid->addWidget(widget);
}

QWidget* ZtDialog::GetCentralWidget() const
{
    Q_D(const ZtDialog);
    return d->ui.pCentralFrame;
}

void ZtDialog::InsertTitleWidget(QWidget* widget, int index)
{
    Q_D(ZtDialog);
    d->titleWidgetsLayout->insertWidget(index, widget);
}

void ZtDialog::SetTitle(const QString& title)
{
    Q_D(ZtDialog);
    d->ui.pDialogTitle->SetTitleText(title);
    // The frame is drawn by the dialog itself: the system and screen readers read the title here.
    setWindowTitle(title);
}

QString ZtDialog::GetTitle() const
{
    Q_D(const ZtDialog);
    return d->ui.pDialogTitle->GetTitleText();
}

void ZtDialog::SetTitleAlignment(Qt::Alignment alignment)
{
    Q_D(ZtDialog);
    d->ui.pDialogTitle->SetTitleAlignment(alignment);
}

void ZtDialog::SetTitleHide(bool hide)
{
    Q_D(ZtDialog);
    d->ui.pDialogTitle->setHidden(hide);
}

void ZtDialog::SetOpenDoubleClickTitle(bool enable)
{
    Q_D(ZtDialog);
    d->ui.pDialogTitle->SetOpenDoubleClickEnable(enable);
}

void ZtDialog::SetWndMaxOrNormal()
{
    Q_D(ZtDialog);
    d->ui.pDialogTitle->OnShowMaxOrNormal();
}

void ZtDialog::SetCloseAnimaEnable(bool enable)
{
    Q_D(ZtDialog);
    d->closeAnimaEnabled = enable;
}

void ZtDialog::SetSupportStretch(bool support)
{
    Q_D(ZtDialog);
    d->supportStretch = support;
    // Hover moves must reach the dialog through whatever child lies over its borders.
    setMouseTracking(support);
    const QList<QWidget*> descendants = findChildren<QWidget*>();
    for (QWidget* widget : descendants)
        widget->setMouseTracking(support);
}

bool ZtDialog::GetSupportStretch()
{
    Q_D(const ZtDialog);
    return d->supportStretch;
}

void ZtDialog::moveToCenter()
{
    const QSize desktop = KitraCompat::DesktopSize();
    move((desktop.width() - width()) / 2, (desktop.height() - height()) / 2);
}

void ZtDialog::QuitExec()
{
    QVector<ZtDialog*>& dialogs = execDialogs();
    while (!dialogs.isEmpty()) {
        ZtDialog* dialog = dialogs.first();
        const QPointer<ZtDialog> guard(dialog);
        if (dialog)
            dialog->reject();
        // A dialog deleted while it was rejected has already left the list.
        if (guard || !dialog)
            dialogs.removeOne(dialog);
    }
}

void ZtDialog::OnCloseBtmClicked()
{
    Q_D(ZtDialog);
    if (d->supportStretch)
        d->storeSize();
    close();
}

void ZtDialog::setVisible(bool visible)
{
    Q_D(ZtDialog);
    if (visible)
        d->cancelClose();
    QDialog::setVisible(visible);
}

int ZtDialog::exec()
{
    Q_D(ZtDialog);
    // A dialog still on screen while it shrinks is hidden first, so that exec() shows it modal.
    if (d->cancelClose())
        QDialog::setVisible(false);
    const QPointer<ZtDialog> guard(this);
    execDialogs().append(this);
    const int result = QDialog::exec();
    // A dialog deleted inside its loop has taken itself off the list.
    if (guard)
        execDialogs().removeOne(this);
    return result;
}

void ZtDialog::OnTurnMaximizeButtonTip()
{
    Q_D(ZtDialog);
    if (!d->maximizeButton)
        return;
    const QString restore = tr("Restore");
    const QString tip = d->maximizeButton->toolTip() == restore ? tr("Maximize") : restore;
    d->maximizeButton->setToolTip(tip);
    d->maximizeButton->setAccessibleName(tip);
}

void ZtDialog::hideLine()
{
    Q_D(ZtDialog);
    d->ui.line->hide();
}

void ZtDialog::done(int result)
{
    Q_D(ZtDialog);
    if (!d->closeAnimaEnabled) {
        QDialog::done(result);
        return;
    }
    d->pendingResult = result;
    // Closing again while the dialog shrinks only changes the result it will deliver.
    if (d->closeAnimation)
        return;
    const QPixmap snapshot = grab();
    if (!snapshot.isNull()) {
        d->flash->SetPixmap(snapshot);
        if (d->pages && layout() == d->pages)
            d->pages->setCurrentWidget(d->flash);
    }
    d->savedMinimumSize = minimumSize();
    d->savedGeometry = geometry();
    setMinimumSize(0, 0);
    d->startCloseAnimation(shrunkGeometry(geometry()));
}

void ZtDialog::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Select:
        return;   // only the dialog's own buttons close it
    default:
        QDialog::keyPressEvent(event);
    }
}

void ZtDialog::mousePressEvent(QMouseEvent* event)
{
    Q_D(ZtDialog);
    if (d->supportStretch && d->stretchState != ZtBaseWindowTitle::STRETCH_NONE
        && event->button() == Qt::LeftButton) {
        d->pressed = true;
        d->pressPoint = KitraCompat::EventGlobalPos(event);
        d->startGeometry = geometry();
    }
    QDialog::mousePressEvent(event);
}

void ZtDialog::mouseReleaseEvent(QMouseEvent* event)
{
    Q_D(ZtDialog);
    if (d->supportStretch)
        d->endStretch();
    QDialog::mouseReleaseEvent(event);
}

void ZtDialog::mouseMoveEvent(QMouseEvent* event)
{
    Q_D(ZtDialog);
    if (d->supportStretch && !d->ui.pDialogTitle->IsMaximized(this)) {
        if (d->pressed) {
            d->currentPoint = KitraCompat::EventGlobalPos(event);
            d->stretch();
        } else {
            d->stretchState = d->regions.stateAt(event->pos());
            setCursor(StretchCursor(d->stretchState));
        }
    }
    QDialog::mouseMoveEvent(event);
}

void ZtDialog::resizeEvent(QResizeEvent* event)
{
    Q_D(ZtDialog);
    QDialog::resizeEvent(event);
    d->applyBorderImage();
}

void ZtDialog::showEvent(QShowEvent* event)
{
    Q_D(ZtDialog);
    d->regions.compute(size(), WindowStretchRegions::AllEdges);
    QDialog::showEvent(event);
}

void ZtDialog::OnSizeStatusChanged()
{
    Q_D(ZtDialog);
    QToolButton* button = d->maximizeButton;
    if (!button)
        return;
    const bool maximized = d->ui.pDialogTitle->IsMaximized(this);
    button->setObjectName(maximized ? QStringLiteral("pReductionBtn") : QStringLiteral("pMaxBtn"));
    // Style sheets pick the icon by object name, so the button must be polished anew.
    style()->unpolish(button);
    style()->polish(button);
    button->update();
}

void ZtDialog::OnDoneAnimaFinished()
{
    Q_D(ZtDialog);
    // The finished animation deletes itself later; a host that deletes the dialog from finished()
    // below must not take the animation with it while it is still emitting.
    if (d->closeAnimation)
        d->closeAnimation->setParent(nullptr);
    d->closeAnimation = nullptr;
    d->showLivePage();
    const QPointer<ZtDialog> guard(this);
    QDialog::done(d->pendingResult);
    if (!guard)
        return;
    QCoreApplication::processEvents();
    if (guard)
        d->restoreShape();
}

void ZtDialog::OnStartTitleStretch(int state, QPoint point)
{
    Q_D(ZtDialog);
    if (!d->supportStretch)
        return;
    d->stretchState = ZtDialogPrivate::StretchState(state);
    d->pressed = true;
    d->pressPoint = point;
    d->startGeometry = geometry();
}

void ZtDialog::OnTitleStretching(QPoint point)
{
    Q_D(ZtDialog);
    if (!d->supportStretch)
        return;
    d->currentPoint = point;
    d->stretch();
}

void ZtDialog::OnEndTitleStretch()
{
    Q_D(ZtDialog);
    if (!d->supportStretch)
        return;
    d->endStretch();
    d->stretchState = ZtBaseWindowTitle::STRETCH_NONE;
}

QPixmap ZtDialog::GetBorderImage() const
{
    Q_D(const ZtDialog);
    return d->borderImage;
}

void ZtDialog::SetBorderImage(const QPixmap& pixmap)
{
    Q_D(ZtDialog);
    d->borderImage = pixmap;
}

} // namespace ZtGUI
