#include "InputsPage.h"

#include "GalleryLog.h"

#include "ColorSelector.h"
#include "FolderBar.h"
#include "ZtAction.h"
#include "ZtCheckBox.h"
#include "ZtLineEdit.h"
#include "ZtMenu.h"
#include "ZtSwitchButton.h"

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace ZtGUI;

namespace {

const int kByteLimit = 12;
const wchar_t* const kIPv4Pattern = L"((25[0-5]|2[0-4]\\d|1?\\d?\\d)\\.){3}(25[0-5]|2[0-4]\\d|1?\\d?\\d)";
const wchar_t* const kNamePattern = L"[A-Za-z][A-Za-z0-9_]{2,15}";

QString checkStateName(Qt::CheckState state)
{
    switch (state) {
    case Qt::Checked: return QStringLiteral("checked");
    case Qt::PartiallyChecked: return QStringLiteral("partly checked");
    default: return QStringLiteral("unchecked");
    }
}

// The one tip bubble the fields share: a window of its own, found by its class.
QWidget* hintBubble()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->inherits("ZtGUI::ZtTipLabel") && window->isVisible())
            return window;
    }
    return nullptr;
}

} // namespace

InputsPage::InputsPage(QWidget* parent)
    : QWidget(parent)
{
    auto* grid = new QGridLayout;
    grid->addWidget(createSwitchGroup(), 0, 0);
    grid->addWidget(createCheckGroup(), 0, 1);
    grid->addWidget(createLineEditGroup(), 1, 0, 1, 2);
    grid->addWidget(createColourGroup(), 2, 0);
    grid->addWidget(createMenuGroup(), 2, 1);
    grid->addWidget(createFolderGroup(), 0, 2, 3, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);

    auto* log = createLog();
    log->setFixedWidth(250);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addWidget(log);
}

QWidget* InputsPage::createSwitchGroup()
{
    auto* box = new QGroupBox(tr("Switches"), this);
    box->setObjectName(QStringLiteral("SwitchGroup"));
    auto* grid = new QGridLayout(box);
    struct Row { const char* name; bool on; bool enabled; bool custom; };
    const Row rows[] = {{QT_TR_NOOP("Off"), false, true, false},
                        {QT_TR_NOOP("On"), true, true, false},
                        {QT_TR_NOOP("Own colours"), true, true, true},
                        {QT_TR_NOOP("Disabled off"), false, false, false},
                        {QT_TR_NOOP("Disabled on"), true, false, false}};
    int row = 0;
    for (const Row& r : rows) {
        auto* button = new ZtSwitchButton(box);
        button->setObjectName(QStringLiteral("Switch%1").arg(row));
        button->setFixedSize(40, 20);
        // The disabled colours have no default: a host that disables a switch gives them.
        button->SetDisableOpenColor(QColor(140, 190, 235));
        button->SetDisableCloseColor(QColor(170, 170, 170));
        button->SetDisableThumbColor(QColor(235, 235, 235));
        if (r.custom) {
            button->SetNormalOpenColor(QColor(46, 160, 67));
            button->SetThumbColor(QColor(250, 250, 210));
        }
        button->setToggle(r.on, false);
        button->setEnabled(r.enabled);
        const QString name = tr(r.name);
        connect(button, &ZtSwitchButton::toggled, this, [this, name](bool on) {
            log(QStringLiteral("ZtSwitchButton::toggled"), QStringLiteral("%1: %2").arg(name, on ? "on" : "off"));
        });
        grid->addWidget(new QLabel(name, box), row, 0);
        grid->addWidget(button, row++, 1);
    }
    return box;
}

QWidget* InputsPage::createLineEditGroup()
{
    auto* box = new QGroupBox(tr("Validating line edits"), this);
    box->setObjectName(QStringLiteral("LineEditGroup"));
    auto* form = new QFormLayout(box);
    struct Limit { const char* name; const char* label; ZtLineEdit::CharByteNumType type; bool stop; };
    const Limit limits[] = {
        {"LocalLimitEdit", QT_TR_NOOP("12 bytes, local 8-bit"), ZtLineEdit::CodeTypeLocal8Bit, false},
        {"WideLimitEdit", QT_TR_NOOP("12 bytes, wide ASCII"), ZtLineEdit::CodeTypeWideAscii, false},
        {"Utf8LimitEdit", QT_TR_NOOP("12 bytes, UTF-8, stops"), ZtLineEdit::CodeTypeUtf8, true},
    };
    for (const Limit& l : limits) {
        ZtLineEdit* edit = addField(QString::fromLatin1(l.name), tr(l.label), box);
        edit->setCodeType(l.type);
        edit->setExceedMaxStopInput(l.stop);
        edit->setLimitText(kByteLimit, tr("At most %1 bytes").arg(kByteLimit));
        form->addRow(tr(l.label), edit);
    }
    m_address = addField(QStringLiteral("AddressEdit"), tr("IPv4 address"), box);
    m_address->setRegExpValidator(kIPv4Pattern, tr("Four numbers from 0 to 255, such as 192.168.1.20"));
    m_address->setPlaceholderText(QStringLiteral("192.168.1.20"));
    form->addRow(tr("IPv4 address"), m_address);
    ZtLineEdit* name = addField(QStringLiteral("NameEdit"), tr("Camera name"), box);
    name->setRegExpValidator(kNamePattern, tr("3 to 16 letters, digits or _, starting with a letter"));
    form->addRow(tr("Camera name"), name);

    m_hintSide = new QComboBox(box);
    m_hintSide->setObjectName(QStringLiteral("HintSide"));
    m_hintSide->addItem(tr("Right"), ZtLineEdit::HintRight);
    m_hintSide->addItem(tr("Left"), ZtLineEdit::HintLeft);
    m_hintSide->addItem(tr("Top"), ZtLineEdit::HintTop);
    m_hintSide->addItem(tr("Bottom"), ZtLineEdit::HintBottom);
    m_hintSide->setCurrentIndex(m_hintSide->findData(ZtLineEdit::HintRight));
    connect(m_hintSide, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &InputsPage::applyHintSide);
    applyHintSide();
    auto* check = new QPushButton(tr("Check all fields"), box);
    check->setObjectName(QStringLiteral("CheckFields"));
    connect(check, &QPushButton::clicked, this, &InputsPage::checkFields);
    auto* row = new QHBoxLayout;
    row->addWidget(m_hintSide);
    row->addWidget(check);
    form->addRow(tr("Hint side"), row);
    return box;
}

ZtLineEdit* InputsPage::addField(const QString& name, const QString& label, QWidget* box)
{
    auto* edit = new ZtLineEdit(box);
    edit->setObjectName(name);
    connect(edit, &ZtLineEdit::clicked, this, [this, label] { log(QStringLiteral("ZtLineEdit::clicked"), label); });
    m_fields << edit;
    return edit;
}

void InputsPage::applyHintSide()
{
    const auto side = ZtLineEdit::ErrorHintDisplayPosition(m_hintSide->currentData().toInt());
    for (ZtLineEdit* edit : qAsConst(m_fields))
        edit->setShowErrorHintPosition(side);
}

void InputsPage::checkFields()
{
    // The bubble is shared: the last field that fails keeps it.
    for (ZtLineEdit* edit : qAsConst(m_fields)) {
        const bool valid = edit->JudgeErrorState();
        log(QStringLiteral("ZtLineEdit::JudgeErrorState"),
            QStringLiteral("%1: %2").arg(edit->objectName(), valid ? "valid" : "invalid"));
    }
}

QWidget* InputsPage::createCheckGroup()
{
    auto* box = new QGroupBox(tr("Check boxes"), this);
    box->setObjectName(QStringLiteral("CheckGroup"));
    auto* layout = new QVBoxLayout(box);
    const char* const texts[] = {QT_TR_NOOP("Record on motion"), QT_TR_NOOP("Show the OSD"),
                                 QT_TR_NOOP("Some screens on tour")};
    const Qt::CheckState states[] = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
    for (int i = 0; i < 3; ++i) {
        auto* check = new ZtCheckBox(tr(texts[i]), box);
        check->setObjectName(QStringLiteral("CheckBox%1").arg(i));
        check->setTristate(states[i] == Qt::PartiallyChecked);
        check->setCheckState(states[i]);
        const QString text = tr(texts[i]);
        connect(check, &QCheckBox::stateChanged, this, [this, text](int state) {
            log(QStringLiteral("ZtCheckBox::stateChanged"), text + QStringLiteral(": ") + checkStateName(Qt::CheckState(state)));
        });
        layout->addWidget(check);
    }
    layout->addStretch(1);
    return box;
}

QWidget* InputsPage::createColourGroup()
{
    auto* box = new QGroupBox(tr("Colour selectors"), this);
    box->setObjectName(QStringLiteral("ColourGroup"));
    auto* layout = new QHBoxLayout(box);
    const QColor colours[] = {QColor(100, 100, 100), QColor(100, 200, 100), QColor(255, 128, 0)};
    int i = 0;
    for (const QColor& colour : colours) {
        auto* selector = new ColorSelector(box);
        selector->setObjectName(QStringLiteral("ColorSelector%1").arg(i++));
        selector->setFixedSize(80, 26);
        selector->setColor(colour);
        // Connected after the selector's own handler: the dialog has been answered by then.
        connect(selector, &QPushButton::clicked, this, [this, selector] {
            log(QStringLiteral("ColorSelector"), selector->objectName() + QStringLiteral(": ") +
                selector->getColor().name(QColor::HexRgb).toUpper());
        });
        layout->addWidget(selector);
    }
    layout->addStretch(1);
    return box;
}

QWidget* InputsPage::createFolderGroup()
{
    auto* box = new QGroupBox(tr("Folder bar"), this);
    box->setObjectName(QStringLiteral("FolderGroup"));
    auto* bar = new FolderBar(box);
    bar->setObjectName(QStringLiteral("FolderBar"));
    bar->setMinimumSize(180, 300);
    const QStringList titles = {tr("Cameras"), tr("Walls"), tr("Alarms")};
    const QList<QStringList> contents = {{tr("Gate 1"), tr("Gate 2"), tr("Car park"), tr("Lobby")},
                                         {tr("Control room"), tr("Night shift")},
                                         {tr("Door forced"), tr("Video lost"), tr("Motion in zone 4")}};
    for (int i = 0; i < titles.size(); ++i) {
        auto* list = new QListWidget;
        list->addItems(contents.at(i));
        bar->addItem(list, titles.at(i));
    }
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(bar, 1);
    return box;
}

QWidget* InputsPage::createMenuGroup()
{
    auto* box = new QGroupBox(tr("Menu with check states"), this);
    box->setObjectName(QStringLiteral("MenuGroup"));
    auto* open = new QPushButton(tr("Screens"), box);
    open->setObjectName(QStringLiteral("MenuButton"));
    open->setMenu(createMenu(open));
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(open);
    auto* note = new QLabel(tr("A partly checked mark shows only on an action with a sub-menu."), box);
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addStretch(1);
    return box;
}

ZtMenu* InputsPage::createMenu(QWidget* parent)
{
    auto* menu = new ZtMenu(parent);
    menu->setObjectName(QStringLiteral("ScreensMenu"));
    const auto addAction = [this](QMenu* to, const QString& text, Qt::CheckState state) {
        auto* action = new ZtAction(text, to);
        action->SetCheckState(state);
        to->addAction(action);
        connect(action, &QAction::triggered, this, [this, action] {
            log(QStringLiteral("ZtAction::triggered"), action->text() + QStringLiteral(": ") + checkStateName(action->CheckState()));
        });
        return action;
    };
    addAction(menu, tr("Screen 1"), Qt::Checked);
    addAction(menu, tr("Screen 2"), Qt::Unchecked);
    // Without a sub-menu a partly checked action shows as checked.
    addAction(menu, tr("Screen 3 (partly: shown checked)"), Qt::PartiallyChecked);
    auto* group = new ZtMenu(tr("Screen group"), menu);
    addAction(group, tr("Screen 4"), Qt::Checked);
    addAction(group, tr("Screen 5"), Qt::Unchecked);
    auto* groupAction = new ZtAction(tr("Screen group"), menu);
    groupAction->SetHasSubMenu(true);
    groupAction->SetCheckState(Qt::PartiallyChecked);
    groupAction->setMenu(group);
    menu->addAction(groupAction);
    return menu;
}

QWidget* InputsPage::createLog()
{
    m_log = new GalleryLog(tr("Reports"), QStringLiteral("InputsLog"), this);
    m_log->Text()->setPlaceholderText(tr("What the widgets report appears here."));
    return m_log;
}

void InputsPage::log(const QString& source, const QString& details)
{
    m_log->Append(source, details);
}

bool InputsPage::SaveScreenshots(const QString& folder)
{
    QWidget* host = window();
    m_address->setText(QStringLiteral("192.168.1.300"));
    m_address->JudgeErrorState();
    QCoreApplication::processEvents();
    QPixmap picture = host->grab();
    if (QWidget* bubble = hintBubble()) {
        // The bubble is a window of its own: draw it where it stands over the page.
        QPainter painter(&picture);
        painter.drawPixmap(host->mapFromGlobal(bubble->pos()), bubble->grab());
    }
    m_address->showErrorHint(false, QString());
    m_address->clear();
    const QString file = folder + QStringLiteral("/inputs-error.png");
    if (picture.save(file))
        return true;
    qCritical("Cannot write %s", qPrintable(file));
    return false;
}
