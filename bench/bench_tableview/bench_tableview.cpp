// The table views against a plain QTreeView whose QStyledItemDelegate draws the same pictures:
// 100,000 rows x 4 columns, five images per cell, in a 1920 x 1080 viewport.
#include "BenchSupport.h"
#include "ZtDir.h"
#include "ZtSetting.h"
#include "ZtTableView.h"
#include "ZtTableViewSvg.h"
#include "struTreeViewData.h"

#include <QtTest>
#include <QElapsedTimer>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTemporaryDir>
#include <QTreeView>

#include <algorithm>
#include <memory>
#include <vector>

using namespace ZtGUI;
using namespace BenchSupport;
using Data = struTreeViewData;

namespace {

const int kRows = 100000;
const int kColumns = 4;
const int kSlots = 5;
const int kIcon = 16;
const QSize kViewSize(1920, 1080);

enum Kind { Pixmaps, Svg, Bare };

// A host's model: every cell has a name and five images, the same values shared by all rows.
class DeviceModel : public QAbstractTableModel
{
public:
    explicit DeviceModel(const std::vector<QVariant>& images) : m_images(images) {}
    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : kRows; }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : kColumns; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::DisplayRole)
            return QStringLiteral("Device %1").arg(index.row());
        if (role >= Data::Pixmap1Role && role < Data::Pixmap1Role + kSlots)
            return m_images[role - Data::Pixmap1Role];
        if (role == Data::PixmapAlignmentRole && index.column() == kColumns - 1)
            return uint(Qt::AlignRight);
        return QVariant();
    }

private:
    std::vector<QVariant> m_images;
};

// What a host draws by hand: the cell, then its five pictures in a row after a margin.
class BareDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        int x = option.rect.x() + 15;
        for (int slot = 0; slot < kSlots; ++slot) {
            const QPixmap picture =
                index.data(Data::Pixmap1Role + slot).value<ItemPixmapValue>().value(ItemPixmapValue::NormalKey).value<QPixmap>();
            painter->drawPixmap(QRect(QPoint(x, option.rect.y() + (option.rect.height() - kIcon) / 2), picture.size()), picture);
            x += picture.width() + 4;
        }
    }
};

QPixmap picture(const QColor& colour)
{
    QPixmap pixmap(kIcon, kIcon);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(colour);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(2, 2, 12, 12));
    return pixmap;
}

QString svgFile(const QTemporaryDir& folder, const QColor& colour)
{
    const QString path = folder.filePath(colour.name().mid(1) + QStringLiteral(".svg"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' width='16' height='16'>"
                                  "<circle cx='8' cy='8' r='6' fill='%1'/></svg>").arg(colour.name()).toUtf8());
    return path;
}

const char* const kKindNames[] = {"kitra pixmaps", "kitra SVG", "bare Qt"};

} // namespace

class bench_TableView : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    QMap<QString, QMap<int, double>> m_results;     // figure -> kind -> median
    QStringList m_figures;

    std::unique_ptr<QTreeView> makeView(Kind kind, std::unique_ptr<DeviceModel>* model)
    {
        const QColor colours[kSlots] = {Qt::darkGreen, Qt::darkBlue, Qt::darkRed, Qt::darkCyan, Qt::darkMagenta};
        std::vector<QVariant> images;
        for (const QColor& colour : colours) {
            ItemPixmapValue value;
            if (kind == Svg) {
                value.insert(ItemPixmapValue::NormalKey, svgFile(m_folder, colour));
                value.insert(ItemPixmapValue::HoverKey, svgFile(m_folder, colour.lighter()));
                value.insert(ItemPixmapValue::SizeKey, QSize(kIcon, kIcon));
            } else {
                value.insert(ItemPixmapValue::NormalKey, picture(colour));
                value.insert(ItemPixmapValue::HoverKey, picture(colour.lighter()));
            }
            images.push_back(QVariant::fromValue(value));
        }
        model->reset(new DeviceModel(images));
        std::unique_ptr<QTreeView> view;
        if (kind == Bare) {
            view.reset(new QTreeView);
            view->setItemDelegate(new BareDelegate(view.get()));
            view->setRootIsDecorated(false);
            view->setIndentation(0);
        } else {
            view.reset(kind == Svg ? new ZtTableViewSvg : new ZtTableView);
        }
        // Settings a host of long lists sets on either view.
        view->setUniformRowHeights(true);
        view->setModel(model->get());
        view->resize(kViewSize);
        view->show();
        return view;
    }

    void record(const QString& figure, Kind kind, double value)
    {
        if (!m_figures.contains(figure))
            m_figures << figure;
        m_results[figure][kind] = value;
    }

    static void addRows()
    {
        QTest::addColumn<int>("kind");
        for (int kind = Pixmaps; kind <= Bare; ++kind)
            QTest::newRow(kKindNames[kind]) << kind;
    }

private slots:
    void repaint_data() { addRows(); }
    void repaint()
    {
        QFETCH(int, kind);
        std::unique_ptr<DeviceModel> model;
        auto view = makeView(Kind(kind), &model);
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        QWidget* viewport = view->viewport();
        QImage target(viewport->size(), QImage::Format_ARGB32_Premultiplied);
        const auto paint = [&] {
            QPainter p(&target);
            viewport->render(&p);
        };
        paint();       // pictures rendered and glyphs cached, as on a running view
        QBENCHMARK { paint(); }
        if (!underCallgrind())
            record(QStringLiteral("full repaint (ms)"), Kind(kind), medianMs(paint));
    }

    void scrollPage_data() { addRows(); }
    void scrollPage()
    {
        QFETCH(int, kind);
        std::unique_ptr<DeviceModel> model;
        auto view = makeView(Kind(kind), &model);
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
        QWidget* viewport = view->viewport();
        QScrollBar* bar = view->verticalScrollBar();
        QImage target(viewport->size(), QImage::Format_ARGB32_Premultiplied);
        // One page down, the newly shown rows painted; back to the top after the last page.
        const auto step = [&] {
            const int next = bar->value() + bar->pageStep();
            bar->setValue(next > bar->maximum() ? 0 : next);
            QPainter p(&target);
            viewport->render(&p);
        };
        step();
        QBENCHMARK { step(); }
        if (!underCallgrind())
            record(QStringLiteral("scroll one page (ms)"), Kind(kind), medianMs(step));
    }

    void cleanupTestCase()
    {
        if (m_figures.isEmpty())
            return;
        qInfo("%-24s %14s %12s %10s %16s %13s", "figure (median of 20)", "kitra pixmaps", "kitra SVG", "bare Qt",
              "pixmaps / bare", "SVG / bare");
        for (const QString& figure : qAsConst(m_figures)) {
            const QMap<int, double>& row = m_results.value(figure);
            const double bare = row.value(Bare);
            const auto ratio = [bare](double value) {
                return bare > 0 ? QString::number(value / bare, 'f', 2) : QStringLiteral("-");
            };
            qInfo("%-24s %14.2f %12.2f %10.2f %16s %13s", qPrintable(figure), row.value(Pixmaps), row.value(Svg), bare,
                  qPrintable(ratio(row.value(Pixmaps))), qPrintable(ratio(row.value(Svg))));
        }
    }
};

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The library resolves skin pictures and style sheets from these before any widget is built.
    QString skin = QStringLiteral("DustyBlue");
    QString appDir = QCoreApplication::applicationDirPath();
    SetSkinVersion(skin);
    ZtDir::SetCurrentPath(appDir);
    bench_TableView bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "bench_tableview.moc"
