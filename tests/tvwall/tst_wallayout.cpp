// Saved wall layouts as a host uses them: taken from one wall, written to JSON, read back and
// rebuilt on the other kind of wall; faulty input refused with one warning and no change; the
// host's user data kept with its type or, where JSON cannot hold it, dropped out loud.
#include "KitraTest.h"

#include "CommonFun.h"
#include "ZtDir.h"
#include "ZtTVWallLayout.h"
#include "ZtTVWallOperateWnd.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <functional>
#include <memory>

using namespace ZtGUI;

namespace {

struct Opaque
{
    int value = 0;
};

std::unique_ptr<ZtTVWallOperateWnd> shownFacade(int mode)
{
    auto op = std::make_unique<ZtTVWallOperateWnd>();
    op->resize(800, 600);
    op->SetShowMode(mode);
    op->show();
    if (!QTest::qWaitForWindowExposed(op.get()))
        return nullptr;
    return op;
}

/// Two screens on a 3 x 4 grid; the second carries three windows whose stacking differs from
/// their opening order, one with its volume on, one not free.
void furnish(ZtTVWallOperateWnd& op)
{
    op.SetTVWallGridCount(3, 4);
    op.AddScreen(StructScaleRect(0, 0, 0.5, 1.0 / 3), QVariant(11));
    op.AddScreen(StructScaleRect(0.5, 0, 1, 1), QVariant(QStringLiteral("east")));
    op.OpenWindow(0, StructScaleRect(0, 0, 1, 1), QVariant(100));
    op.OpenWindow(1, StructScaleRect(0.1, 0.1, 0.6, 0.5), QVariant(200));
    op.OpenWindow(1, StructScaleRect(0.25, 0.3, 0.75, 0.9, false), QVariant(201));
    op.OpenWindow(1, StructScaleRect(0.5, 0.5, 1, 1), QVariant(202));
    op.SetWindowZValue(1, 0, 9, false);
    op.SetWindowVolumeBtn(1, 2, true);
}

/// The layout `op` now shows after `layout` was applied, checking the numbers it returned.
ZtTVWallLayout appliedAndReadBack(ZtTVWallOperateWnd& op, const ZtTVWallLayout& layout)
{
    const QVector<QVector<int>> numbers = op.ApplyLayout(layout);
    QList<QList<int>> expected;
    for (int s = 0; s < op.GetScreenCount(); ++s)
        expected.append(op.GetAllWindowIndexs(s));
    QList<QList<int>> returned;
    for (const QVector<int>& screen : numbers)
        returned.append(screen.toList());
    if (returned != expected || op.GetScreenCount() != layout.screens().size())
        return ZtTVWallLayout();
    return op.GetLayout();
}

QByteArray edited(const QByteArray& json, const std::function<void(QJsonObject&)>& edit)
{
    QJsonObject root = QJsonDocument::fromJson(json).object();
    edit(root);
    return QJsonDocument(root).toJson();
}

} // namespace

Q_DECLARE_METATYPE(Opaque)

class tst_WallLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QString skin = QStringLiteral("DustyBlue");
        QString dir = QCoreApplication::applicationDirPath();
        SetSkinVersion(skin);
        ZtDir::SetCurrentPath(dir);
        KitraTest::failOnUnexpectedWarnings();
    }

    void sceneLayoutRebuildsTheDisplayWallAndComesBack()
    {
        auto scene = shownFacade(0);
        auto display = shownFacade(1);
        QVERIFY(scene && display);
        furnish(*scene);
        const ZtTVWallLayout original = scene->GetLayout();
        QVERIFY(original.isValid());
        QCOMPARE(original.screens().at(1).windows.size(), 3);

        const ZtTVWallLayout onDisplay = appliedAndReadBack(*display, ZtTVWallLayout::fromJson(original.toJson()));
        QVERIFY(onDisplay == original);
        // The display wall stacks its windows by the z-values it was given: window 0, opened
        // first, covers window 1 where they overlap.
        QWidget* top = display->GetWindowWidget(1, 0);
        QWidget* below = display->GetWindowWidget(1, 1);
        const QRect topRect(top->mapTo(display.get(), QPoint()), top->size());
        const QRect belowRect(below->mapTo(display.get(), QPoint()), below->size());
        const QRect overlap = topRect & belowRect;
        QVERIFY(!overlap.isEmpty());
        QWidget* hit = display->childAt(overlap.center());
        QVERIFY(hit == top || top->isAncestorOf(hit));

        scene->SetTVWallGridCount(5, 5);    // what the layout replaces
        scene->OpenWindow(0, StructScaleRect(0, 0, 0.5, 0.5), QVariant(999));
        const ZtTVWallLayout back = appliedAndReadBack(*scene, ZtTVWallLayout::fromJson(onDisplay.toJson()));
        QVERIFY(back == original);
        QCOMPARE(scene->GetWindowZValue(1, 0), 9);
        QVERIFY(scene->GetWindowVolumeBtnStatus(1, 2));
    }

    void faultyInputIsRefusedWithOneWarning_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("warning");
        auto scene = shownFacade(0);
        QVERIFY(scene);
        furnish(*scene);
        const QByteArray good = scene->GetLayout().toJson();
        const auto set = [&](const QString& key, const QJsonValue& value) {
            return edited(good, [&](QJsonObject& root) { root.insert(key, value); });
        };
        QTest::newRow("malformed JSON") << good.left(good.size() / 2) << "malformed JSON";
        QTest::newRow("not an object") << QByteArray("[1, 2]") << "malformed JSON";
        QTest::newRow("no version") << edited(good, [](QJsonObject& r) { r.remove("version"); }) << "no format version";
        QTest::newRow("future version") << set("version", 2) << "format version 2 is newer than 1";
        QTest::newRow("no rows") << set("rows", "3") << "\"rows\" is not an integer";
        QTest::newRow("rows 0") << set("rows", 0) << "grid 0 x 4 is out of range";
        QTest::newRow("65 columns") << set("columns", 65) << "grid 3 x 65 is out of range";
        QTest::newRow("window outside its screen") << edited(good, [](QJsonObject& root) {
            QJsonArray screens = root.value("screens").toArray();
            QJsonObject screen = screens.at(1).toObject();
            QJsonArray windows = screen.value("windows").toArray();
            QJsonObject window = windows.at(2).toObject();
            window.insert("scale", QJsonArray{ 0.5, 0.5, 1.01, 1.0 });
            windows.replace(2, window);
            screen.insert("windows", windows);
            screens.replace(1, screen);
            root.insert("screens", screens);
        }) << "window 2 lies outside screen 1";
        QTest::newRow("user data of no known type") << edited(good, [](QJsonObject& root) {
            QJsonArray screens = root.value("screens").toArray();
            QJsonObject screen = screens.at(0).toObject();
            screen.insert("userData", QJsonObject{ { "type", "Opaque" }, { "value", 1 } });
            screens.replace(0, screen);
            root.insert("screens", screens);
        }) << "user data cannot be read";
    }
    void faultyInputIsRefusedWithOneWarning()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, warning);
        auto display = shownFacade(1);
        QVERIFY(display);
        furnish(*display);
        const ZtTVWallLayout before = display->GetLayout();

        const QString cause = QRegularExpression::escape(warning);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("ZtTVWallLayout::fromJson: .*" + cause));
        const ZtTVWallLayout layout = ZtTVWallLayout::fromJson(json);
        QVERIFY(!layout.isValid());
        QVERIFY(layout.toJson().isEmpty());
        QVERIFY(display->ApplyLayout(layout).isEmpty());
        QVERIFY(display->GetLayout() == before);
        QCOMPARE(display->GetWindowCount(1), 3);
    }

    void userDataKeepsItsKindThroughJson_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QVariant>("expected");
        const QVariantList list{ 1, QStringLiteral("2"), true, 2.5 };
        const QVariantMap map{ { "camera", 12 }, { "tags", QStringList{ "gate", "east" } }, { "list", list } };
        QTest::newRow("int") << QVariant(7) << QVariant(7);
        QTest::newRow("digits stay a string") << QVariant("0042") << QVariant("0042");
        QTest::newRow("double") << QVariant(0.1) << QVariant(0.1);
        QTest::newRow("64-bit") << QVariant(Q_INT64_C(9007199254740993)) << QVariant(Q_INT64_C(9007199254740993));
        QTest::newRow("bytes") << QVariant(QByteArray("\0\xff", 2)) << QVariant(QByteArray("\0\xff", 2));
        QTest::newRow("list") << QVariant(list) << QVariant(list);
        QTest::newRow("map") << QVariant(map) << QVariant(map);
        QTest::newRow("none") << QVariant() << QVariant();
        QTest::newRow("unregistered type dropped") << QVariant::fromValue(Opaque{ 5 }) << QVariant();
        QTest::newRow("inside a list, the whole list dropped")
            << QVariant(QVariantList{ 1, QVariant::fromValue(Opaque{ 5 }) }) << QVariant();
    }
    void userDataKeepsItsKindThroughJson()
    {
        QFETCH(QVariant, value);
        QFETCH(QVariant, expected);
        auto scene = shownFacade(0);
        auto display = shownFacade(1);
        QVERIFY(scene && display);
        scene->SetTVWallGridCount(1, 1);
        scene->AddScreen(StructScaleRect(0, 0, 1, 1), QVariant(1));
        scene->OpenWindow(0, StructScaleRect(0, 0, 1, 1), value);
        const ZtTVWallLayout layout = scene->GetLayout();
        QCOMPARE(layout.screens().at(0).windows.at(0).userData, value);

        const QByteArray dropped = "---ZtGUI--- ZtTVWallLayout::toJson: user data of window 0 on screen 0 (type "
            + QByteArray(value.typeName()) + ") left out: JSON cannot hold it";
        if (!expected.isValid() && value.isValid())
            QTest::ignoreMessage(QtWarningMsg, dropped.constData());
        QCOMPARE(display->ApplyLayout(ZtTVWallLayout::fromJson(layout.toJson())).size(), 1);
        const QVariant read = display->GetWindowUserData(0, 0);
        QCOMPARE(read.userType(), expected.userType());
        QCOMPARE(read, expected);
    }
};

QTEST_MAIN(tst_WallLayout)
#include "tst_wallayout.moc"
