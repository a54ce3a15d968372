#include "WindowsPage.h"

#include "GalleryLog.h"

#include "CommonFun.h"
#include "NotifyManager.h"
#include "PicButton.h"
#include "ShadowEffect.h"
#include "TipWidget.h"
#include "WPushButton.h"
#include "WaitWidget.h"
#include "ZtBaseWindowTitle.h"
#include "ZtCustomDialog.h"
#include "ZtMessageBox.h"
#include "ZtSetting.h"
#include "ZtPushButton.h"
#include "ZtSubPushButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QSpinBox>
#include <QTime>
#include <QToolButton>
#include <QVBoxLayout>

using namespace ZtGUI;

namespace {

const int kTitleHeight = 34;
const int kTipWidth = 230;
const int kJobSeconds = 1;
const int kCameraNameLength = 32;

bool darkSkin()
{
    return CommonFun::GetSkinType() == CommonFun::E_SKIN_DARK;
}

// The few host colours that follow the skin: the frameless window's title strip and the tips' text.
QColor titleColour() { return darkSkin() ? QColor(0x1f, 0x25, 0x2d) : QColor(0x6f, 0x8c, 0xab); }
QColor tipTextColour() { return darkSkin() ? QColor(0xe6, 0xe6, 0xe6) : QColor(0x2b, 0x3a, 0x4a); }
QColor errorColour() { return darkSkin() ? QColor(0xff, 0x8a, 0x80) : QColor(0xc6, 0x28, 0x28); }

enum class Glyph { Minimize, Maximize, Restore, FullScreen, Close, Play, Bell };

// Small line pictures drawn by the host, so that they take the skin's colours at any size.
QPixmap glyph(Glyph shape, const QColor& colour, int size = 16)
{
    const qreal ratio = qApp->devicePixelRatio();
    QPixmap pixmap(QSize(size, size) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal s = size;
    switch (shape) {
    case Glyph::Minimize:
        p.drawLine(QPointF(s * 0.25, s * 0.55), QPointF(s * 0.75, s * 0.55));
        break;
    case Glyph::Maximize:
        p.drawRect(QRectF(s * 0.25, s * 0.25, s * 0.5, s * 0.5));
        break;
    case Glyph::Restore:
        p.drawRect(QRectF(s * 0.22, s * 0.36, s * 0.42, s * 0.42));
        p.drawPolyline(QPolygonF({QPointF(s * 0.36, s * 0.36), QPointF(s * 0.36, s * 0.22),
                                  QPointF(s * 0.78, s * 0.22), QPointF(s * 0.78, s * 0.64),
                                  QPointF(s * 0.64, s * 0.64)}));
        break;
    case Glyph::FullScreen:
        for (const QPointF& corner : {QPointF(0.22, 0.22), QPointF(0.78, 0.22), QPointF(0.78, 0.78), QPointF(0.22, 0.78)}) {
            const QPointF c(corner.x() * s, corner.y() * s);
            const qreal dx = corner.x() < 0.5 ? s * 0.18 : -s * 0.18;
            const qreal dy = corner.y() < 0.5 ? s * 0.18 : -s * 0.18;
            p.drawPolyline(QPolygonF({c + QPointF(dx, 0), c, c + QPointF(0, dy)}));
        }
        break;
    case Glyph::Close:
        p.drawLine(QPointF(s * 0.28, s * 0.28), QPointF(s * 0.72, s * 0.72));
        p.drawLine(QPointF(s * 0.72, s * 0.28), QPointF(s * 0.28, s * 0.72));
        break;
    case Glyph::Play:
        p.setBrush(colour);
        p.drawPolygon(QPolygonF({QPointF(s * 0.3, s * 0.2), QPointF(s * 0.8, s * 0.5), QPointF(s * 0.3, s * 0.8)}));
        break;
    case Glyph::Bell:
        p.drawPath([s] {
            QPainterPath bell;
            bell.moveTo(s * 0.2, s * 0.72);
            bell.lineTo(s * 0.8, s * 0.72);
            bell.cubicTo(s * 0.68, s * 0.6, s * 0.72, s * 0.45, s * 0.7, s * 0.38);
            bell.cubicTo(s * 0.66, s * 0.14, s * 0.34, s * 0.14, s * 0.3, s * 0.38);
            bell.cubicTo(s * 0.28, s * 0.45, s * 0.32, s * 0.6, s * 0.2, s * 0.72);
            return bell;
        }());
        p.drawLine(QPointF(s * 0.43, s * 0.84), QPointF(s * 0.57, s * 0.84));
        break;
    }
    return pixmap;
}

QString stretchName(int state)
{
    switch (state) {
    case ZtBaseWindowTitle::STRETCH_TOP_LEFT: return QStringLiteral("top-left corner");
    case ZtBaseWindowTitle::STRETCH_TOP: return QStringLiteral("top edge");
    case ZtBaseWindowTitle::STRETCH_TOP_RIGHT: return QStringLiteral("top-right corner");
    case ZtBaseWindowTitle::STRETCH_RIGHT: return QStringLiteral("right edge");
    case ZtBaseWindowTitle::STRETCH_LEFT: return QStringLiteral("left edge");
    default: return QString::number(state);
    }
}

QString rectText(const QRect& r)
{
    return QStringLiteral("(%1, %2) %3 x %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// What the operator of a wall is told, good news and bad, in turn.
const char* const kSuccessNotices[] = {
    QT_TRANSLATE_NOOP("WindowsPage", "Gate 3 is recording."),
    QT_TRANSLATE_NOOP("WindowsPage", "Layout \"Night shift\" sent to the wall."),
    QT_TRANSLATE_NOOP("WindowsPage", "Snapshot saved."),
};
const char* const kErrorNotices[] = {
    QT_TRANSLATE_NOOP("WindowsPage", "Screen 2 is locked: the window stays."),
    QT_TRANSLATE_NOOP("WindowsPage", "Decoder 4 does not answer; the camera was not opened on the wall."),
    QT_TRANSLATE_NOOP("WindowsPage", "No free window on screen 5."),
};

// A tip keeps one width and grows downwards with its wrapped text.
void fitTip(QWidget* tip)
{
    tip->resize(kTipWidth, tip->heightForWidth(kTipWidth));
}

QLabel* noteLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    QFont small = label->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    label->setFont(small);
    return label;
}

} // namespace

WindowsPage::WindowsPage(QWidget* parent)
    : QWidget(parent)
{
    auto* grid = new QGridLayout;
    grid->addWidget(createWindowGroup(), 0, 0);
    grid->addWidget(createWaitGroup(), 0, 1);
    grid->addWidget(createNoticeGroup(), 1, 0);
    grid->addWidget(createTipGroup(), 1, 1);
    grid->addWidget(createButtonGroup(), 2, 0, 1, 2);
    grid->addWidget(createDialogGroup(), 3, 0, 1, 2);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    auto* log = createLog();
    log->setFixedWidth(250);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addWidget(log);
}

// The frameless window and the tips are windows of their own: they go with the page.
WindowsPage::~WindowsPage() = default;

QWidget* WindowsPage::createWindowGroup()
{
    auto* box = new QGroupBox(tr("Frameless window"), this);
    box->setObjectName(QStringLiteral("WindowGroup"));
    auto* open = new QPushButton(tr("Open the window"), box);
    open->setObjectName(QStringLiteral("OpenWindowButton"));
    connect(open, &QPushButton::clicked, this, &WindowsPage::openWindow);
    m_windowState = new QLabel(tr("closed"), box);
    m_windowState->setObjectName(QStringLiteral("WindowState"));

    // The title bar's two switches, as a host sets them for a window of its own.
    auto* drag = new QCheckBox(tr("Dragging the title bar moves it"), box);
    drag->setObjectName(QStringLiteral("WindowDragMoves"));
    drag->setChecked(true);
    connect(drag, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_window)
            buildWindow();
        m_title->SetOpenWidgetMoveEnable(on);
    });
    auto* doubleClick = new QCheckBox(tr("A double click maximises and restores"), box);
    doubleClick->setObjectName(QStringLiteral("WindowDoubleClick"));
    doubleClick->setChecked(true);
    connect(doubleClick, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_window)
            buildWindow();
        m_title->SetOpenDoubleClickEnable(on);
    });

    auto* form = new QFormLayout(box);
    form->addRow(noteLabel(tr("A window with the library's title bar and a soft shadow; its top edge "
                              "and corners stretch it."),
                           box));
    form->addRow(drag);
    form->addRow(doubleClick);
    form->addRow(open);
    form->addRow(tr("State"), m_windowState);
    return box;
}

QWidget* WindowsPage::createWaitGroup()
{
    auto* box = new QGroupBox(tr("Wait indicator"), this);
    box->setObjectName(QStringLiteral("WaitGroup"));
    auto* start = new QPushButton(tr("Start waiting"), box);
    start->setObjectName(QStringLiteral("WaitStart"));
    connect(start, &QPushButton::clicked, this, &WindowsPage::startWaiting);

    m_waitTimeOut = new QSpinBox(box);
    m_waitTimeOut->setObjectName(QStringLiteral("WaitTimeOut"));
    m_waitTimeOut->setRange(1, 30);
    m_waitTimeOut->setValue(2);
    m_waitTimeOut->setSuffix(tr(" s"));
    m_waitJob = new QCheckBox(tr("The job ends after %n s", nullptr, kJobSeconds), box);
    m_waitJob->setObjectName(QStringLiteral("WaitJob"));
    m_waitEscape = new QCheckBox(tr("Escape cancels"), box);
    m_waitEscape->setObjectName(QStringLiteral("WaitEscape"));
    m_waitEscape->setChecked(true);
    m_waitResult = new QLabel(tr("none yet"), box);
    m_waitResult->setObjectName(QStringLiteral("WaitResult"));
    m_waitResult->setWordWrap(true);

    // The host's long job: when it ends in time, the waiting ends normally.
    m_job.setSingleShot(true);
    connect(&m_job, &QTimer::timeout, this, [this] {
        if (m_wait)
            m_wait->StopWaiting(true);
    });

    auto* form = new QFormLayout(box);
    form->addRow(tr("Time-out"), m_waitTimeOut);
    form->addRow(m_waitJob);
    form->addRow(m_waitEscape);
    form->addRow(start);
    form->addRow(tr("Last wait"), m_waitResult);
    return box;
}

QWidget* WindowsPage::createNoticeGroup()
{
    auto* box = new QGroupBox(tr("Notices"), this);
    box->setObjectName(QStringLiteral("NoticeGroup"));
    auto* success = new QPushButton(tr("Success"), box);
    success->setObjectName(QStringLiteral("NoticeSuccess"));
    connect(success, &QPushButton::clicked, this, [this] { postNotice(true); });
    auto* error = new QPushButton(tr("Error"), box);
    error->setObjectName(QStringLiteral("NoticeError"));
    connect(error, &QPushButton::clicked, this, [this] { postNotice(false); });

    // Notices are 240 pixels wide behind a 10-pixel margin; they slide in from the area's top-left
    // corner, so the area sits inside the frame rather than being it.
    auto* frame = new QFrame(box);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    auto* area = new QWidget(frame);
    area->setObjectName(QStringLiteral("NoticeArea"));
    area->setMinimumSize(260, 130);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(1, 1, 1, 1);
    frameLayout->addWidget(area);
    auto* empty = noteLabel(tr("Notices slide in here, stack with the newest on top and fade after 3 s."), area);
    empty->setAlignment(Qt::AlignCenter);
    empty->setEnabled(false);
    auto* areaLayout = new QVBoxLayout(area);
    areaLayout->addWidget(empty);
    m_noticeArea = area;
    NotifyManager::setNotifyArea(area, 0, 0, area->width(), area->height());

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(success);
    buttons->addWidget(error);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(box);
    layout->addLayout(buttons);
    layout->addWidget(frame, 1);
    return box;
}

QWidget* WindowsPage::createTipGroup()
{
    auto* box = new QGroupBox(tr("Tips"), this);
    box->setObjectName(QStringLiteral("TipGroup"));
    m_tipButton = new QPushButton(tr("Show a tip"), box);
    m_tipButton->setObjectName(QStringLiteral("TipButton"));
    connect(m_tipButton, &QPushButton::clicked, this, &WindowsPage::showButtonTip);

    m_buttonTip = new TipWidget(tr("Tips point at what they explain and go away after 3 s."), this);
    m_buttonTip->setObjectName(QStringLiteral("ButtonTip"));
    m_buttonTip->setTipTextColor(tipTextColour());
    m_buttonTipTimer.setSingleShot(true);
    m_buttonTipTimer.setInterval(3000);
    connect(&m_buttonTipTimer, &QTimer::timeout, m_buttonTip, &QWidget::hide);

    m_cameraName = new QLineEdit(box);
    m_cameraName->setObjectName(QStringLiteral("CameraName"));
    m_cameraName->setPlaceholderText(tr("Gate 3"));
    m_cameraName->installEventFilter(this);
    connect(m_cameraName, &QLineEdit::textEdited, this, &WindowsPage::checkCameraName);
    m_fieldTip = new TipWidget(QString(), this);
    m_fieldTip->setObjectName(QStringLiteral("FieldTip"));
    m_fieldTip->setTriangleOnTop(true);
    checkCameraName();

    auto* layout = new QVBoxLayout(box);
    layout->addWidget(noteLabel(tr("A tip above the button, and one below the field while it has the focus, "
                                   "in red when the name is refused."),
                                box));
    layout->addWidget(m_tipButton, 0, Qt::AlignLeft);
    auto* field = new QFormLayout;
    field->addRow(tr("Camera name"), m_cameraName);
    layout->addLayout(field);
    layout->addStretch();
    return box;
}

QWidget* WindowsPage::createButtonGroup()
{
    auto* box = new QGroupBox(tr("Push buttons"), this);
    box->setObjectName(QStringLiteral("ButtonGroup"));

    // One icon, four pictures: the button picks the one of its state.
    QIcon play;
    play.addPixmap(glyph(Glyph::Play, palette().color(QPalette::ButtonText)), QIcon::Normal);
    play.addPixmap(glyph(Glyph::Play, QColor(0x3d, 0x7c, 0xc9)), QIcon::Active);
    play.addPixmap(glyph(Glyph::Play, QColor(0x2e, 0x8b, 0x57)), QIcon::Selected);
    play.addPixmap(glyph(Glyph::Play, palette().color(QPalette::Disabled, QPalette::ButtonText)), QIcon::Disabled);
    auto* playButton = new ZtPushButton(play, tr("Play"), box);
    playButton->setObjectName(QStringLiteral("PlayButton"));
    auto* exportButton = new ZtPushButton(play, tr("Play back"), box);
    exportButton->setObjectName(QStringLiteral("PlayBackButton"));
    exportButton->setEnabled(false);
    exportButton->setToolTip(tr("No recording selected"));
    auto* cancel = new ZtSubPushButton(tr("Cancel"), box);
    cancel->setObjectName(QStringLiteral("CancelButton"));

    auto* alarms = new WPushButton(box);
    alarms->setObjectName(QStringLiteral("AlarmsButton"));
    alarms->setText(tr("Alarms"));
    QIcon bells[2] = {QIcon(glyph(Glyph::Bell, palette().color(QPalette::ButtonText))),
                      QIcon(glyph(Glyph::Bell, QColor(0xe0, 0x8a, 0x1e)))};
    alarms->SetIcon(bells, 2);
    alarms->setIcon(bells[0]);

    auto* record = new PicButton(box);
    record->setObjectName(QStringLiteral("RecordButton"));
    record->setPicName(QStringLiteral(":/gallery/record"));
    record->setToolTip(tr("Record"));

    const auto report = [this](QAbstractButton* button, const QString& cls) {
        connect(button, &QAbstractButton::clicked, this, [this, button, cls] {
            log(cls, QStringLiteral("clicked \"%1\"").arg(button->text().isEmpty() ? button->toolTip() : button->text()));
        });
    };
    report(playButton, QStringLiteral("ZtPushButton"));
    report(exportButton, QStringLiteral("ZtPushButton"));
    report(cancel, QStringLiteral("ZtSubPushButton"));
    report(alarms, QStringLiteral("WPushButton"));
    report(record, QStringLiteral("PicButton"));

    auto* layout = new QHBoxLayout(box);
    layout->addWidget(playButton);
    layout->addWidget(exportButton);
    layout->addWidget(cancel);
    layout->addWidget(alarms);
    layout->addWidget(record);
    layout->addStretch();
    return box;
}

QWidget* WindowsPage::createDialogGroup()
{
    auto* box = new QGroupBox(tr("Dialogs"), this);
    box->setObjectName(QStringLiteral("DialogsGroup"));
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(noteLabel(tr("Message boxes and dialogs open from here; their answers go to the log. "
                                   "The resizable dialog remembers its size between runs."), box));
    auto* buttons = new QHBoxLayout;
    buttons->setObjectName(QStringLiteral("DialogsButtons"));
    const auto add = [this, box, buttons](const QString& text, const std::function<void()>& open) {
        auto* button = new QPushButton(text, box);
        connect(button, &QPushButton::clicked, this, open);
        buttons->addWidget(button);
    };
    using Box = ZtMessageBox;
    add(tr("Information"), [this] {
        logAnswer("ShowInformation", Box::ShowInformation(this, tr("Export"), tr("The recording of camera 12 was exported.")));
    });
    add(tr("Question"), [this] {
        logAnswer("ShowQuestion", Box::ShowQuestion(this, tr("Close window"), tr("Close window 3 on screen 2?")));
    });
    add(tr("Warning"), [this] {
        logAnswer("ShowWarning", Box::ShowWarning(this, tr("Storage"), tr("The recorder's disk is 95 % full.")));
    });
    add(tr("Error"), [this] {
        logAnswer("ShowError", Box::ShowError(this, tr("Decoder"), tr("Decoder 4 does not answer.")));
    });
    add(tr("Success"), [this] {
        logAnswer("ShowSuccess", Box::ShowSuccess(this, tr("Tour"), tr("The window tour was saved.")));
    });
    add(tr("Custom dialog"), [this] { openCustomDialog(); });
    add(tr("Resizable dialog"), [this] { openResizableDialog(); });
    buttons->addStretch();
    layout->addLayout(buttons);
    return box;
}

void WindowsPage::logAnswer(const char* function, int button)
{
    static const QMap<int, QString> names{{ZtMessageBox::NoButton, QStringLiteral("NoButton")},
                                          {ZtMessageBox::Ok, QStringLiteral("Ok")},
                                          {ZtMessageBox::Cancel, QStringLiteral("Cancel")},
                                          {ZtMessageBox::Yes, QStringLiteral("Yes")},
                                          {ZtMessageBox::No, QStringLiteral("No")},
                                          {ZtMessageBox::Close, QStringLiteral("Close")}};
    log(QString::fromLatin1(function), QStringLiteral("answered ") + names.value(button, QString::number(button)));
}

ZtCustomDialog* WindowsPage::createCustomDialog()
{
    auto* dialog = new ZtCustomDialog(ZtCustomDialog::Ok | ZtCustomDialog::Other | ZtCustomDialog::Cancel, this,
                                      ZtDialog::CloseButtonHint);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->SetTitle(tr("Save the layout"));
    dialog->SetButtonText(ZtCustomDialog::Other, tr("Save as"));
    auto* form = new QWidget;
    auto* fields = new QFormLayout(form);
    fields->setContentsMargins(20, 16, 20, 8);
    fields->addRow(tr("Layout name"), new QLineEdit(tr("Control room, day shift"), form));
    fields->addRow(tr("Screens"), new QLabel(tr("16 screens, 42 windows"), form));
    dialog->AddCentralWidget(form);
    dialog->resize(380, 200);
    connect(dialog, &ZtCustomDialog::SignalOkButtonClicked, this, [this, dialog] {
        log(QStringLiteral("SignalOkButtonClicked"), tr("saved; the host closes the dialog"));
        dialog->accept();
    });
    connect(dialog, &ZtCustomDialog::SignalOtherButtonClicked, this,
            [this] { log(QStringLiteral("SignalOtherButtonClicked"), QString()); });
    connect(dialog, &ZtCustomDialog::SignalCancelButtonClicked, this,
            [this] { log(QStringLiteral("SignalCancelButtonClicked"), QString()); });
    return dialog;
}

void WindowsPage::openCustomDialog()
{
    createCustomDialog()->open();
}

void WindowsPage::openResizableDialog()
{
    // Named, so that the library keeps its size in DialogCfg.ini when the operator closes it.
    ZtDialog dialog(QStringLiteral("GalleryResizableDialog"), QSize(420, 260), this,
                    ZtDialog::CloseButtonHint | ZtDialog::MinMaxButtonsHint);
    dialog.SetTitle(tr("Resizable dialog"));
    dialog.SetSupportStretch(true);
    dialog.SetOpenDoubleClickTitle(true);
    dialog.AddCentralWidget(noteLabel(tr("Drag any border to resize; the size is kept for the next time."), &dialog));
    dialog.exec();
    log(QStringLiteral("ZtDialog"), QStringLiteral("closed at %1 x %2").arg(dialog.width()).arg(dialog.height()));
}

bool WindowsPage::SaveDialogScreenshots(const QString& folder)
{
    // The message box the Question button opens, built the way its show function builds it.
    ZtMessageBox question(tr("Close window"), tr("Close window 3 on screen 2?"), ZtMessageBox::Yes | ZtMessageBox::No,
                          this, ZtDialog::CloseButtonHint, QString(), QString());
    question.resize(300, 164);
    question.SetIconImage(QPixmap(QStringLiteral("./Skin/%1/ZtGui/MessageBox/Question.png").arg(ZtGUI::GetSkinVersion())));
    const bool boxSaved = saveOverWindow(&question, folder + QStringLiteral("/windows-messagebox.png"));
    ZtCustomDialog* custom = createCustomDialog();
    const bool dialogSaved = saveOverWindow(custom, folder + QStringLiteral("/windows-dialog.png"));
    custom->SetCloseAnimaEnable(false);
    custom->close();
    return boxSaved && dialogSaved;
}

bool WindowsPage::saveOverWindow(QWidget* dialog, const QString& file)
{
    QWidget* host = window();
    dialog->show();
    dialog->move(host->geometry().center() - dialog->rect().center());
    QCoreApplication::processEvents();
    QPixmap picture = host->grab();
    QPainter painter(&picture);
    painter.drawPixmap(dialog->geometry().topLeft() - host->geometry().topLeft(), dialog->grab());
    painter.end();
    dialog->hide();
    if (picture.save(file))
        return true;
    qCritical("Cannot write %s", qPrintable(file));
    return false;
}

QWidget* WindowsPage::createLog()
{
    m_log = new GalleryLog(tr("Reports"), QStringLiteral("WindowsLog"), this);
    m_log->Text()->setPlaceholderText(tr("What the widgets report appears here."));
    return m_log;
}

void WindowsPage::openWindow()
{
    if (!m_window)
        buildWindow();
    if (m_window->isMinimized())
        m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    if (m_window->isVisible()) {
        m_window->raise();
        m_window->activateWindow();
        return;
    }
    // Opened over the page the first time; afterwards where the operator left it.
    if (!m_window->property("placed").toBool()) {
        const QRect page(mapToGlobal(QPoint(0, 0)), size());
        QRect frame(QPoint(), m_window->size());
        frame.moveCenter(page.center());
        m_window->move(frame.topLeft());
        m_window->setProperty("placed", true);
    }
    log(QStringLiteral("window"), QStringLiteral("opened at ") + rectText(m_window->geometry()));
    m_window->show();
    m_window->activateWindow();
    showWindowState(QString());
}

void WindowsPage::buildWindow()
{
    m_window = new QWidget(this, Qt::Window | Qt::FramelessWindowHint);
    m_window->setObjectName(QStringLiteral("FramelessWindow"));
    m_window->setWindowTitle(tr("Camera Gate 3"));
    m_window->setMinimumSize(320, 200);
    m_window->resize(440, 280);

    m_title = new ZtBaseWindowTitle(m_window);
    m_title->setObjectName(QStringLiteral("FramelessWindowTitle"));
    m_title->setFixedHeight(kTitleHeight);
    m_title->SetOpenDoubleClickEnable(true);
    m_title->setMouseTracking(true);     // resize cursors over the stretch strips before a press
    m_title->installEventFilter(this);
    QPalette titlePalette = m_title->palette();
    titlePalette.setColor(QPalette::Window, titleColour());
    titlePalette.setColor(QPalette::WindowText, Qt::white);
    titlePalette.setColor(QPalette::ButtonText, Qt::white);
    m_title->setPalette(titlePalette);
    m_title->setAutoFillBackground(true);

    m_windowTitleText = new QLabel(m_window->windowTitle(), m_title);
    QFont bold = m_windowTitleText->font();
    bold.setBold(true);
    m_windowTitleText->setFont(bold);
    // Clicks on the text belong to the title bar, so that the whole strip drags.
    m_windowTitleText->setAttribute(Qt::WA_TransparentForMouseEvents);

    const auto titleButton = [this](const char* name, Glyph shape, const QString& tip) {
        auto* button = new QToolButton(m_title);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoRaise(true);
        button->setIcon(glyph(shape, Qt::white));
        button->setIconSize(QSize(16, 16));
        button->setFixedSize(kTitleHeight - 6, kTitleHeight - 6);
        button->setToolTip(tip);
        return button;
    };
    QToolButton* minimize = titleButton("FramelessWindowMinimize", Glyph::Minimize, tr("Minimise"));
    QToolButton* fullScreen = titleButton("FramelessWindowFullScreen", Glyph::FullScreen, tr("Full screen"));
    m_maximize = titleButton("FramelessWindowMaximize", Glyph::Maximize, tr("Maximise"));
    QToolButton* close = titleButton("FramelessWindowClose", Glyph::Close, tr("Close"));
    connect(minimize, &QToolButton::clicked, m_title, &ZtBaseWindowTitle::OnShowMinimized);
    connect(m_maximize, &QToolButton::clicked, m_title, &ZtBaseWindowTitle::OnShowMaxOrNormal);
    connect(fullScreen, &QToolButton::clicked, this, [this] {
        m_title->ShowFullScreen(m_window);
        showWindowState(tr("Escape restores it"));
    });
    connect(close, &QToolButton::clicked, m_window, &QWidget::close);

    auto* titleLayout = new QHBoxLayout(m_title);
    titleLayout->setContentsMargins(10, 0, 4, 0);
    titleLayout->setSpacing(2);
    titleLayout->addWidget(m_windowTitleText, 1);
    titleLayout->addWidget(minimize);
    titleLayout->addWidget(fullScreen);
    titleLayout->addWidget(m_maximize);
    titleLayout->addWidget(close);

    auto* body = new QFrame(m_window);
    body->setFrameShape(QFrame::NoFrame);
    auto* text = new QLabel(tr("Drag the title bar to move the window, double-click it to maximise or restore, "
                               "or pull the top edge and the top corners to resize it."),
                            body);
    text->setWordWrap(true);
    auto* state = new QLabel(body);
    state->setObjectName(QStringLiteral("FramelessWindowState"));
    connect(m_title, &ZtBaseWindowTitle::SignalWndSizeStatusChanged, state, [this, state] {
        state->setText(tr("State: %1").arg(windowStateText()));
    });
    auto* restore = new ZtPushButton(tr("Restore"), body);
    restore->setObjectName(QStringLiteral("FramelessWindowRestore"));
    connect(restore, &QPushButton::clicked, m_title, &ZtBaseWindowTitle::OnShowNormal);
    auto* done = new ZtSubPushButton(tr("Close"), body);
    connect(done, &QPushButton::clicked, m_window, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(restore);
    buttons->addWidget(done);
    auto* bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(16, 12, 16, 12);
    bodyLayout->addWidget(text);
    bodyLayout->addWidget(state);
    bodyLayout->addStretch();
    bodyLayout->addLayout(buttons);

    auto* layout = new QVBoxLayout(m_window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_title);
    layout->addWidget(body, 1);

    // Escape leaves full screen, as in a video player.
    auto* leave = new QShortcut(QKeySequence(Qt::Key_Escape), m_window);
    connect(leave, &QShortcut::activated, this, [this] {
        if (m_title->IsFullScreen(m_window))
            m_title->OnShowNormal();
    });

    connect(m_title, &ZtBaseWindowTitle::SignalWndSizeStatusChanged, this, [this] { showWindowState(QString()); });
    connect(m_title, &ZtBaseWindowTitle::SignalStartTitleStretch, this, [this](int state, const QPoint& globalPos) {
        m_stretchState = state;
        m_stretchFrom = globalPos;
        m_stretchGeometry = m_window->geometry();
        log(QStringLiteral("SignalStartTitleStretch"), stretchName(state));
    });
    connect(m_title, &ZtBaseWindowTitle::SignalTitleStretching, this, &WindowsPage::stretchWindow);
    connect(m_title, &ZtBaseWindowTitle::SignalEndTitleStretch, this, [this] {
        m_stretchState = ZtBaseWindowTitle::STRETCH_NONE;
        log(QStringLiteral("SignalEndTitleStretch"), rectText(m_window->geometry()));
    });

    // The window casts its own shadow: a frameless window gets none from the system.
    m_shadow = new ShadowEffect(QColor(0, 0, 0), 12,
                                ShadowEffect::FrameLeft | ShadowEffect::FrameTop | ShadowEffect::FrameRight
                                    | ShadowEffect::FrameBottom,
                                false, 70);
    m_shadow->setObjectName(QStringLiteral("FramelessWindowShadow"));
    m_shadow->attachWidget(m_window);
    m_window->installEventFilter(this);
}

// The title bar reports the gesture; the window is the host's to resize.
void WindowsPage::stretchWindow(const QPoint& globalPos)
{
    const QPoint delta = globalPos - m_stretchFrom;
    const QSize minimum = m_window->minimumSize();
    QRect g = m_stretchGeometry;
    switch (m_stretchState) {
    case ZtBaseWindowTitle::STRETCH_TOP_LEFT:
        g.setTop(qMin(g.top() + delta.y(), g.bottom() - minimum.height() + 1));
        g.setLeft(qMin(g.left() + delta.x(), g.right() - minimum.width() + 1));
        break;
    case ZtBaseWindowTitle::STRETCH_TOP:
        g.setTop(qMin(g.top() + delta.y(), g.bottom() - minimum.height() + 1));
        break;
    case ZtBaseWindowTitle::STRETCH_TOP_RIGHT:
        g.setTop(qMin(g.top() + delta.y(), g.bottom() - minimum.height() + 1));
        g.setRight(qMax(g.right() + delta.x(), g.left() + minimum.width() - 1));
        break;
    case ZtBaseWindowTitle::STRETCH_RIGHT:
        g.setRight(qMax(g.right() + delta.x(), g.left() + minimum.width() - 1));
        break;
    case ZtBaseWindowTitle::STRETCH_LEFT:
        g.setLeft(qMin(g.left() + delta.x(), g.right() - minimum.width() + 1));
        break;
    default:
        return;
    }
    m_window->setGeometry(g);
}

QString WindowsPage::windowStateText() const
{
    if (!m_window || !m_window->isVisible())
        return tr("closed");
    if (m_title->IsMinimized(m_window))
        return tr("minimised");
    if (m_title->IsFullScreen(m_window))
        return tr("full screen");
    if (m_title->IsMaximized(m_window))
        return tr("maximised");
    return tr("normal");
}

// The title bar reports every resize too: only changes of state reach the log.
void WindowsPage::showWindowState(const QString& reason)
{
    const QString state = windowStateText();
    const bool maximised = m_window && (m_title->IsMaximized(m_window) || m_title->IsFullScreen(m_window));
    if (m_maximize) {
        m_maximize->setIcon(glyph(maximised ? Glyph::Restore : Glyph::Maximize, Qt::white));
        m_maximize->setToolTip(maximised ? tr("Restore") : tr("Maximise"));
    }
    if (state == m_windowState->text())
        return;
    m_windowState->setText(state);
    if (!m_window)
        return;
    QString details = state + QStringLiteral(", ") + rectText(m_window->geometry());
    if (!reason.isEmpty())
        details += QStringLiteral("\n") + reason;
    log(QStringLiteral("window"), details);
}

void WindowsPage::startWaiting()
{
    if (!m_wait) {
        m_wait = new WaitWidget(this);
        m_wait->setObjectName(QStringLiteral("WaitIndicator"));
        m_wait->installEventFilter(this);
        connect(m_wait, &WaitWidget::sgnUnNormalExit, this, [this] {
            m_unNormalExit = true;
            log(QStringLiteral("sgnUnNormalExit"), QString());
        });
    }
    m_unNormalExit = false;
    m_escapePressed = false;
    const int timeOut = m_waitTimeOut->value();
    m_wait->SetTimeOut(timeOut);
    m_wait->SetPressESCToCancel(m_waitEscape->isChecked());
    if (m_waitJob->isChecked())
        m_job.start(kJobSeconds * 1000);
    log(QStringLiteral("WaitWidget"), tr("waiting, time-out %n s", nullptr, timeOut));
    m_waitResult->setText(tr("waiting…"));
    m_waited.start();

    m_wait->StartWaiting();      // modal: returns when the waiting ends

    m_job.stop();
    const QString seconds = QString::number(m_waited.elapsed() / 1000.0, 'f', 1);
    QString how;
    if (!m_unNormalExit)
        how = tr("the job ended after %1 s").arg(seconds);
    else if (m_escapePressed)
        how = tr("cancelled by Escape after %1 s").arg(seconds);
    else
        how = tr("timed out after %1 s").arg(seconds);
    m_waitResult->setText(how);
    log(QStringLiteral("WaitWidget"), QStringLiteral("ended: ") + how);
}

void WindowsPage::postNotice(bool success)
{
    const int count = success ? int(sizeof kSuccessNotices / sizeof *kSuccessNotices)
                              : int(sizeof kErrorNotices / sizeof *kErrorNotices);
    const int index = m_notices++ % count;
    const char* text = success ? kSuccessNotices[index] : kErrorNotices[index];
    const NotifyManager::MsgType type = success ? NotifyManager::MsgCorrect : NotifyManager::MsgError;
    const QString notice = tr(text);
    NotifyManager::addNotify(notice, type);
    log(QStringLiteral("NotifyManager"), QLatin1String(success ? "success: " : "error: ") + notice);
}

void WindowsPage::showButtonTip()
{
    fitTip(m_buttonTip);
    // The pointer hangs from the middle of the tip's bottom edge onto the button's top.
    const QPoint top = m_tipButton->mapToGlobal(QPoint(m_tipButton->width() / 2, 0));
    m_buttonTip->move(top.x() - m_buttonTip->width() / 2, top.y() - m_buttonTip->height());
    m_buttonTip->show();
    m_buttonTipTimer.start();
    log(QStringLiteral("TipWidget"), QStringLiteral("shown above \"%1\"").arg(m_tipButton->text()));
}

void WindowsPage::checkCameraName()
{
    static const QRegularExpression allowed(QStringLiteral("^[\\w -]*$"));
    const QString name = m_cameraName->text();
    const bool valid = name.size() <= kCameraNameLength && allowed.match(name).hasMatch();
    const bool wasValid = m_cameraName->property("valid").toBool() || !m_cameraName->property("valid").isValid();
    m_fieldTip->setTipText(valid ? tr("Letters, digits, spaces and '-', at most %1.").arg(kCameraNameLength)
                                 : tr("\"%1\" is not allowed in a camera name.").arg(name.right(1)));
    m_fieldTip->setTipTextColor(valid ? tipTextColour() : errorColour());
    m_cameraName->setProperty("valid", valid);
    if (m_fieldTip->isVisible())
        placeFieldTip();
    if (valid != wasValid)
        log(QStringLiteral("TipWidget"), valid ? QStringLiteral("camera name accepted") : QStringLiteral("camera name refused"));
}

void WindowsPage::placeFieldTip()
{
    fitTip(m_fieldTip);
    // The pointer rises from the tip's top edge; its box lines up with the field's left edge.
    const QPoint below = m_cameraName->mapToGlobal(QPoint(0, m_cameraName->height()));
    m_fieldTip->move(below.x() - TipWidget::kShaderDist, below.y() + 2);
}

void WindowsPage::hideEvent(QHideEvent* event)
{
    // The tips are windows of their own: they would stay behind when the gallery turns the page.
    m_buttonTip->hide();
    m_fieldTip->hide();
    QWidget::hideEvent(event);
}

bool WindowsPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_cameraName) {
        if (event->type() == QEvent::FocusIn) {
            placeFieldTip();
            m_fieldTip->show();
        } else if (event->type() == QEvent::FocusOut) {
            m_fieldTip->hide();
        }
    } else if (m_wait && watched == m_wait && event->type() == QEvent::KeyPress) {
        m_escapePressed = static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
    } else if (m_window && watched == m_window) {
        if (event->type() == QEvent::Hide)
            showWindowState(QString());
    } else if (m_title && watched == m_title) {
        // A drag is reported when it ends, not at every step.
        if (event->type() == QEvent::MouseButtonPress)
            m_stretchGeometry = m_window->geometry();
        else if (event->type() == QEvent::MouseButtonRelease && m_stretchState == ZtBaseWindowTitle::STRETCH_NONE
                 && m_window->pos() != m_stretchGeometry.topLeft() && m_window->size() == m_stretchGeometry.size())
            log(QStringLiteral("window"), QStringLiteral("dragged to ") + rectText(m_window->geometry()));
    }
    return QWidget::eventFilter(watched, event);
}

void WindowsPage::log(const QString& source, const QString& details)
{
    m_log->Append(source, details);
}
