#include "ListsCombosPage.h"

#include "GalleryLog.h"

#include "ZtBaseView.h"
#include "ZtCascadingListComBox.h"
#include "ZtCheckBox.h"
#include "ZtComboBox.h"
#include "ZtComboBoxPopupContainer.h"
#include "ZtCustomComboBox.h"
#include "ZtHeaderView.h"
#include "ZtMenuCustomCombox.h"
#include "ZtPathComboBox.h"
#include "ZtPopupButton.h"
#include "struTreeViewData.h"

#include <QApplication>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace ZtGUI;

namespace {

struct Camera
{
    const char* name;
    const char* address;
    const char* status;
};

struct Site
{
    const char* name;
    Qt::CheckState state;
    QVector<Camera> cameras;
};

// The cameras of a small city installation, by site.
const QVector<Site>& sites()
{
    static const QVector<Site> all = {
        {QT_TRANSLATE_NOOP("ListsCombosPage", "Town hall"), Qt::Checked,
         {{"Main entrance", "10.1.2.11", "Recording"}, {"Council chamber", "10.1.2.12", "Online"},
          {"Bicycle shed", "10.1.2.13", "Offline"}}},
        {QT_TRANSLATE_NOOP("ListsCombosPage", "Main station"), Qt::Unchecked,
         {{"Platform 1", "10.1.3.21", "Recording"}, {"Platform 2", "10.1.3.22", "Recording"},
          {"Ticket hall", "10.1.3.23", "Online"}, {"Taxi rank", "10.1.3.24", "Online"}}},
        {QT_TRANSLATE_NOOP("ListsCombosPage", "Harbour"), Qt::Checked,
         {{"Quay 4", "10.1.4.31", "Online"}, {"Ferry terminal", "10.1.4.32", "Recording"}}},
        {QT_TRANSLATE_NOOP("ListsCombosPage", "Water works"), Qt::Unchecked,
         {{"Pump house", "10.1.5.41", "Online"}, {"Fence north", "10.1.5.42", "Offline"}}},
    };
    return all;
}

// The two-level region catalogue of the region combo boxes: districts and their places.
QMap<int, QString> regions()
{
    return {{1, ListsCombosPage::tr("Central district")}, {2, ListsCombosPage::tr("North district")},
            {3, ListsCombosPage::tr("Harbour")}, {4, ListsCombosPage::tr("East industrial park")},
            {5, ListsCombosPage::tr("Airport")}};
}

QMap<int, QMap<int, QString>> places()
{
    return {{1, {{101, ListsCombosPage::tr("Town hall")}, {102, ListsCombosPage::tr("Main station")},
                 {103, ListsCombosPage::tr("Market square")}}},
            {2, {{201, ListsCombosPage::tr("Ring road north")}, {202, ListsCombosPage::tr("Hospital")},
                 {203, ListsCombosPage::tr("School campus")}, {204, ListsCombosPage::tr("Water works")}}},
            {4, {{401, ListsCombosPage::tr("Logistics centre")}, {402, ListsCombosPage::tr("Power plant")}}},
            {5, {{501, ListsCombosPage::tr("Terminal 1")}, {502, ListsCombosPage::tr("Terminal 2")},
                 {503, ListsCombosPage::tr("Cargo apron")}, {504, ListsCombosPage::tr("Car park P3")}}}};
}

QString keysText(const QVector<int>& keys)
{
    QStringList numbers;
    for (const int key : keys)
        numbers << QString::number(key);
    return numbers.isEmpty() ? ListsCombosPage::tr("none") : numbers.join(QStringLiteral(", "));
}

} // namespace

ListsCombosPage::ListsCombosPage(QWidget* parent)
    : QWidget(parent)
{
    auto* column = new QVBoxLayout;
    column->addWidget(createViewGroup(), 1);
    column->addWidget(createComboGroup());
    auto* log = createLog();
    log->setFixedWidth(250);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(column, 1);
    layout->addWidget(log);
}

ListsCombosPage::~ListsCombosPage() = default;

QWidget* ListsCombosPage::createViewGroup()
{
    auto* box = new QGroupBox(tr("Cameras by site"), this);
    box->setObjectName(QStringLiteral("ViewGroup"));
    m_cameras = new QStandardItemModel(0, 3, this);
    m_cameras->setHorizontalHeaderLabels({tr("Site / camera"), tr("Address"), tr("Status")});
    // The header's box follows the sites' boxes and, clicked, sets them all.
    m_cameras->setHeaderData(0, Qt::Horizontal, Qt::Unchecked, Qt::CheckStateRole);
    m_cameras->setHeaderData(0, Qt::Horizontal, true, struTreeViewData::HeaderCheckableRole);
    m_cameras->setHeaderData(0, Qt::Horizontal, 220u, struTreeViewData::HeaderSectionWidthRole);
    m_cameras->setHeaderData(1, Qt::Horizontal, 120u, struTreeViewData::HeaderSectionWidthRole);
    m_view = new ZtBaseView(box);
    m_view->setObjectName(QStringLiteral("CameraView"));
    m_view->setModel(m_cameras);
    auto* header = qobject_cast<ZtHeaderView*>(m_view->header());
    connect(header, &ZtHeaderView::SignalHeadClicked, this,
            [this](Qt::CheckState state) { log(QStringLiteral("SignalHeadClicked"), tr("asks for state %1").arg(state)); });
    connect(header, &ZtHeaderView::SignalCheckStateChanged, this, [this](Qt::CheckState state) {
        log(QStringLiteral("SignalCheckStateChanged"), tr("header box now %1").arg(state));
    });
    connect(m_view, QOverload<const QModelIndex&, int>::of(&ZtBaseView::SignalClicked), this,
            [this](const QModelIndex& index, int button) {
                log(QStringLiteral("SignalClicked"), tr("%1 (row %2, column %3), button %4")
                                                         .arg(index.data().toString()).arg(index.row())
                                                         .arg(index.column()).arg(button));
            });
    connect(m_cameras, &QStandardItemModel::itemChanged, this, [this](QStandardItem* item) {
        if (item->isCheckable())
            log(tr("Site checked"), tr("%1: %2").arg(item->text()).arg(item->checkState()));
    });
    // Filled once the header watches the model, so that its box starts from the sites' states.
    for (const Site& site : sites()) {
        auto* siteItem = new QStandardItem(tr(site.name));
        siteItem->setCheckable(true);
        siteItem->setCheckState(site.state);
        for (const Camera& camera : site.cameras) {
            siteItem->appendRow({new QStandardItem(tr(camera.name)), new QStandardItem(QString::fromLatin1(camera.address)),
                                 new QStandardItem(tr(camera.status))});
        }
        m_cameras->appendRow({siteItem, new QStandardItem, new QStandardItem});
    }
    m_view->expandAll();

    auto* layout = new QVBoxLayout(box);
    layout->addWidget(m_view);
    return box;
}

QWidget* ListsCombosPage::createComboGroup()
{
    auto* box = new QGroupBox(tr("Combo boxes"), this);
    box->setObjectName(QStringLiteral("ComboGroup"));
    auto* stream = new ZtComboBox(box);
    stream->setObjectName(QStringLiteral("StreamCombo"));
    stream->addItems({tr("Main stream (1080p, 25 fps)"), tr("Sub stream (D1, 12 fps)"), tr("Third stream (CIF)")});
    connect(stream, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this, stream](int index) { log(QStringLiteral("StreamCombo"), tr("%1: %2").arg(index).arg(stream->itemText(index))); });

    m_recordPath = new ZtPathComboBox(box);
    m_recordPath->setObjectName(QStringLiteral("RecordPathCombo"));
    m_recordPath->SetFileMode(QFileDialog::Directory);
    m_recordPath->SetTitle(tr("Recording folder"));
    m_recordPath->SetDirectory(QDir::homePath());
    m_recordPath->addItem(QDir::homePath() + QStringLiteral("/Recordings/"));
    connect(m_recordPath, &QComboBox::currentTextChanged, this,
            [this](const QString& path) { log(QStringLiteral("RecordPathCombo"), tr("records to %1").arg(path)); });

    auto* form = new QFormLayout(box);
    // Combo boxes about as wide as their texts, so that a sub-list fits beside its main list.
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(tr("Live stream"), stream);
    form->addRow(tr("Cameras"), createDeviceCombo(box));
    form->addRow(tr("Region (list)"), createRegionCombos(box));
    form->addRow(tr("Region (menu)"), m_regionMenu);
    form->addRow(tr("Recording folder"), m_recordPath);
    form->addRow(tr("Options"), createPopupButton(box));
    for (QComboBox* combo : box->findChildren<QComboBox*>())
        combo->setMinimumWidth(260);
    return box;
}

QWidget* ListsCombosPage::createDeviceCombo(QWidget* parent)
{
    m_devices = new ZtCustomComboBox(parent);
    m_devices->setObjectName(QStringLiteral("DeviceCombo"));
    auto* popup = new ZtComboBoxPopupContainer;
    popup->setObjectName(QStringLiteral("DevicePopup"));
    m_deviceTree = new QTreeWidget(popup);
    m_deviceTree->setHeaderHidden(true);
    const QList<QPair<QString, QStringList>> recorders = {
        {tr("Recorder A (10.1.2.2)"), {tr("Main entrance"), tr("Council chamber"), tr("Bicycle shed")}},
        {tr("Recorder B (10.1.3.2)"), {tr("Platform 1"), tr("Platform 2"), tr("Ticket hall"), tr("Taxi rank")}},
    };
    for (const auto& recorder : recorders) {
        auto* top = new QTreeWidgetItem(m_deviceTree, {recorder.first});
        top->setFlags(top->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
        for (const QString& camera : recorder.second)
            (new QTreeWidgetItem(top, {camera}))->setCheckState(0, Qt::Unchecked);
    }
    m_deviceTree->topLevelItem(0)->child(0)->setCheckState(0, Qt::Checked);
    m_deviceTree->expandAll();
    auto* layout = new QVBoxLayout(popup);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(m_deviceTree);
    popup->resize(0, 220);
    m_devices->SetPopupContainer(popup);
    connect(m_deviceTree, &QTreeWidget::itemChanged, this, &ListsCombosPage::showCheckedDevices);
    showCheckedDevices();
    return m_devices;
}

QWidget* ListsCombosPage::createRegionCombos(QWidget* parent)
{
    m_regions = new ZtCascadingListComBox(parent);
    m_regions->setObjectName(QStringLiteral("RegionListCombo"));
    m_regions->InitDate(regions(), places());
    m_regions->setPlaceholderText(tr("Choose a region"));
    connect(m_regions, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        QVector<int> keys;
        m_regions->GetCurrentChosenItem(keys);
        log(QStringLiteral("RegionListCombo"), tr("%1, keys %2").arg(text, keysText(keys)));
    });

    m_regionMenu = new ZtMenuCustomCombox(parent);
    m_regionMenu->setObjectName(QStringLiteral("RegionMenuCombo"));
    QMap<int, QString> main = regions();
    QMap<int, QMap<int, QString>> sub = places();
    m_regionMenu->InitMenu(main, sub);
    m_regionMenu->setPlaceholderText(tr("Choose a region"));
    connect(m_regionMenu, &ZtMenuCustomCombox::SignalItemChange, this, [this](int mainKey, int subKey) {
        QVector<int> keys;
        m_regionMenu->GetCurrentChosenItem(keys);
        log(QStringLiteral("SignalItemChange"), tr("main %1, sub %2, keys %3").arg(mainKey).arg(subKey).arg(keysText(keys)));
    });
    return m_regions;
}

QWidget* ListsCombosPage::createPopupButton(QWidget* parent)
{
    auto* button = new ZtPopupButton(parent);
    button->setObjectName(QStringLiteral("RecordOptionsButton"));
    button->setText(tr("Recording options"));

    auto* form = new QWidget;
    auto* preRecord = new QSpinBox(form);
    preRecord->setRange(0, 30);
    preRecord->setValue(5);
    preRecord->setSuffix(tr(" s"));
    auto* postRecord = new QSpinBox(form);
    postRecord->setRange(0, 120);
    postRecord->setValue(10);
    postRecord->setSuffix(tr(" s"));
    auto* audio = new ZtCheckBox(tr("Record audio"), form);
    auto* apply = new QPushButton(tr("Apply"), form);
    connect(apply, &QPushButton::clicked, this, [this, preRecord, postRecord, audio] {
        log(QStringLiteral("RecordOptionsButton"), tr("pre-record %1 s, post-record %2 s, audio %3")
                                                       .arg(preRecord->value()).arg(postRecord->value())
                                                       .arg(audio->isChecked() ? tr("on") : tr("off")));
    });
    auto* layout = new QFormLayout(form);
    layout->addRow(tr("Pre-record"), preRecord);
    layout->addRow(tr("Post-record"), postRecord);
    layout->addRow(audio);
    layout->addRow(apply);
    form->resize(form->sizeHint());
    button->SetPopupWidget(form);
    return button;
}

QWidget* ListsCombosPage::createLog()
{
    m_log = new GalleryLog(tr("Reports"), QStringLiteral("ListsCombosLog"), this);
    m_log->Text()->setPlaceholderText(tr("What the views and combo boxes report appears here."));
    return m_log;
}

void ListsCombosPage::showCheckedDevices()
{
    QStringList names;
    for (int r = 0; r < m_deviceTree->topLevelItemCount(); ++r) {
        const QTreeWidgetItem* recorder = m_deviceTree->topLevelItem(r);
        for (int c = 0; c < recorder->childCount(); ++c) {
            if (recorder->child(c)->checkState(0) == Qt::Checked)
                names << recorder->child(c)->text(0);
        }
    }
    const QString text = names.isEmpty() ? tr("No camera") : names.join(QLatin1Char(','));
    m_devices->clear();
    m_devices->addItem(text);
    m_devices->SetAutoTooltip(text);
    log(QStringLiteral("DeviceCombo"), tr("%n camera(s) chosen", nullptr, names.size()));
}

void ListsCombosPage::log(const QString& source, const QString& details)
{
    if (m_log)
        m_log->Append(source, details);
}

bool ListsCombosPage::SaveScreenshots(const QString& folder)
{
    // The combo boxes open their pop-ups as a click would.
    QComboBox* devices = m_devices;
    devices->showPopup();
    const bool customSaved = saveWithPopup(m_devices->GetPopupContainer(), folder + QStringLiteral("/lists-custom-popup.png"));
    devices->hidePopup();

    QComboBox* regions = m_regions;
    regions->showPopup();
    ZtComboBoxPopupContainer* popup = m_regions->GetPopupContainer();
    if (auto* main = popup->findChild<QListWidget*>(QStringLiteral("MainList"))) {
        // The mouse rests on the first district, which opens its places beside it.
        main->setMouseTracking(true);
        const QPoint pos = main->visualItemRect(main->item(0)).center();
        QMouseEvent move(QEvent::MouseMove, pos, main->viewport()->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(main->viewport(), &move);
    }
    const bool cascadingSaved = saveWithPopup(popup, folder + QStringLiteral("/lists-cascading.png"));
    regions->hidePopup();
    return customSaved && cascadingSaved;
}

bool ListsCombosPage::saveWithPopup(QWidget* popup, const QString& file)
{
    QCoreApplication::processEvents();
    QWidget* host = window();
    QPixmap picture = host->grab();
    // The pop-up is a window of its own: draw it where it stands over the page.
    QPainter painter(&picture);
    painter.drawPixmap(host->mapFromGlobal(popup->pos()), popup->grab());
    painter.end();
    if (picture.save(file))
        return true;
    qCritical("Cannot write %s", qPrintable(file));
    return false;
}
