// The smaller inputs: the check box's class name, the colour selector's painted code, the folder
// bar's slides, the actions' check icons and the menu that keeps inside the screen.
#include "KitraTest.h"

#include "ColorSelector.h"
#include "FolderBar.h"
#include "ZtAction.h"
#include "ZtCheckBox.h"
#include "ZtMenu.h"
#include "ZtSetting.h"

using namespace ZtGUI;

namespace {

const int kHeader = 30;

// Answers the colour dialog that the next click opens, with `colour` or by cancelling.
void answerColourDialog(const QColor& colour)
{
    QTimer::singleShot(10, [colour] {
        auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return answerColourDialog(colour);
        if (!colour.isValid())
            return dialog->reject();
        dialog->setCurrentColor(colour);
        dialog->accept();
    });
}

QPushButton* header(FolderBar* bar, const QString& title)
{
    const auto buttons = bar->findChildren<QPushButton*>();
    const auto found = std::find_if(buttons.cbegin(), buttons.cend(), [&title](QPushButton* b) { return b->text() == title; });
    return found == buttons.cend() ? nullptr : *found;
}

// The folder bar at rest with item `open` open: headers stacked from the top, the open page
// under its header, the headers after it below that page.
QList<QRect> restingLayout(int open, int count, const QSize& size)
{
    const int page = size.height() - count * kHeader;
    QList<QRect> rects;
    for (int i = 0; i < count; ++i) {
        const int y = i * kHeader + (i > open ? page : 0);
        rects << QRect(0, y, size.width(), kHeader) << QRect(0, y + kHeader, size.width(), page);
    }
    return rects;
}

struct Folders
{
    QWidget window;
    FolderBar* bar = new FolderBar(&window);
    QList<QWidget*> pages;
    Folders()
    {
        window.resize(260, 340);
        bar->setGeometry(10, 20, 200, 300);
        for (const char* title : {"Cameras", "Walls", "Alarms"}) {
            pages << new QWidget;
            bar->addItem(pages.last(), title);
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    QList<QRect> layout() const
    {
        QList<QRect> rects;
        for (int i = 0; i < pages.size(); ++i)
            rects << header(bar, titles().at(i))->geometry() << pages.at(i)->geometry();
        return rects;
    }
    static QStringList titles() { return {"Cameras", "Walls", "Alarms"}; }
    void clickHeader(int index) { KitraTest::click(header(bar, titles().at(index)), QPoint(50, 15)); }
};

} // namespace

class tst_Inputs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        KitraTest::failOnUnexpectedWarnings();
        QString skin = QStringLiteral("DustyBlue");
        SetSkinVersion(skin);
    }

    void checkBoxCarriesItsOwnClassName()
    {
        QWidget window;
        window.setStyleSheet("ZtGUI--ZtCheckBox { background: rgb(0, 200, 0); }");
        ZtCheckBox ours("Record", &window);
        QCheckBox plain("Record", &window);
        ours.setGeometry(0, 0, 100, 24);
        plain.setGeometry(0, 30, 100, 24);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(ours.grab().toImage().pixelColor(98, 12), QColor(0, 200, 0));
        QVERIFY(plain.grab().toImage().pixelColor(98, 12) != QColor(0, 200, 0));
    }

    void colourSelectorPaintsItsCode_data()
    {
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QColor>("text");
        QTest::newRow("dark grey: white") << QColor(100, 100, 100) << "646464" << QColor(Qt::white);
        QTest::newRow("green not below 120: black") << QColor(100, 200, 100) << "64C864" << QColor(Qt::black);
        QTest::newRow("blue") << QColor(0, 0, 255) << "0000FF" << QColor(Qt::black);
        QTest::newRow("black: white") << QColor(0, 0, 0) << "000000" << QColor(Qt::white);
    }
    void colourSelectorPaintsItsCode()
    {
        QFETCH(QColor, colour);
        QFETCH(QString, code);
        QFETCH(QColor, text);
        ColorSelector selector;
        selector.resize(90, 26);
        selector.setColor(colour);
        const QImage painted = selector.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(painted.pixelColor(0, 0), QColor(180, 180, 180));
        QCOMPARE(painted.pixelColor(2, 2), colour);
        // What the code looks like in that colour and font on that fill.
        QImage expected(painted.size(), QImage::Format_RGB32);
        expected.setDotsPerMeterX(qRound(selector.logicalDpiX() / 0.0254));     // the font at the widget's DPI
        expected.setDotsPerMeterY(qRound(selector.logicalDpiY() / 0.0254));
        expected.fill(colour);
        QPainter p(&expected);
        p.setPen(text);
        p.setFont(QFont("Microsoft YaHei", 9));
        p.drawText(QRect(QPoint(), painted.size()), Qt::AlignCenter, code);
        p.end();
        QCOMPARE(painted.copy(1, 1, 88, 24), expected.copy(1, 1, 88, 24));
    }

    void colourDialogAnswerSetsTheColour_data()
    {
        QTest::addColumn<QColor>("answer");
        QTest::addColumn<QColor>("kept");
        QTest::newRow("chosen") << QColor(255, 128, 0) << QColor(255, 128, 0);
        QTest::newRow("cancelled") << QColor() << QColor(10, 20, 30);
    }
    void colourDialogAnswerSetsTheColour()
    {
        QFETCH(QColor, answer);
        QFETCH(QColor, kept);
        QWidget window;
        auto* selector = new ColorSelector(&window);
        selector->setGeometry(10, 10, 90, 26);
        selector->setColor(QColor(10, 20, 30));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        answerColourDialog(answer);
        KitraTest::click(selector, QPoint(40, 13));
        QCOMPARE(selector->getColor(), kept);
    }

    void folderBarSlidesToItsRestingLayout_data()
    {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<int>("open");
        QTest::newRow("down to the last") << QList<int>{2} << 2;
        QTest::newRow("the open one: nothing moves") << QList<int>{0} << 0;
        QTest::newRow("down, then back up") << QList<int>{2, 0} << 0;
        QTest::newRow("mid-slide to the middle") << QList<int>{2, -1, 1} << 1;
        QTest::newRow("mid-slide back up") << QList<int>{2, -1, 0} << 0;
    }
    void folderBarSlidesToItsRestingLayout()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(int, open);
        Folders f;
        const QSize size = f.bar->size();
        QCOMPARE(f.layout(), restingLayout(0, 3, size));     // the first page added is open
        for (int index : clicks) {
            if (index >= 0) {
                f.clickHeader(index);
                continue;
            }
            // -1: wait until the slide is under way but not done
            QTRY_VERIFY(f.layout() != restingLayout(0, 3, size));
            QVERIFY(f.layout() != restingLayout(2, 3, size));
        }
        QTRY_COMPARE(f.layout(), restingLayout(open, 3, size));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(header(f.bar, Folders::titles().at(i))->property("hasBottomBorder").toBool(), i == open);
        f.bar->resize(200, 400);
        QCOMPARE(f.layout(), restingLayout(open, 3, f.bar->size()));
    }

    void actionShowsTheSkinCheckIcon_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("subMenu");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<int>("shown");
        QTest::newRow("unchecked") << int(Qt::Unchecked) << false << "unselect-n.svg" << int(Qt::Unchecked);
        QTest::newRow("checked") << int(Qt::Checked) << false << "select-n.svg" << int(Qt::Checked);
        QTest::newRow("partly, with sub-menu") << int(Qt::PartiallyChecked) << true << "indeterminate-n.svg"
                                              << int(Qt::PartiallyChecked);
        QTest::newRow("partly, without: checked") << int(Qt::PartiallyChecked) << false << "select-n.svg"
                                                 << int(Qt::Checked);
    }
    void actionShowsTheSkinCheckIcon()
    {
        QFETCH(int, state);
        QFETCH(bool, subMenu);
        QFETCH(QString, picture);
        QFETCH(int, shown);
        const auto image = [](const QIcon& icon) { return icon.pixmap(16, 16).toImage(); };
        const QString folder = QStringLiteral("./Skin/DustyBlue/ZtGui/CheckBox/");
        // The three pictures differ, so that the comparison below tells them apart.
        QVERIFY(image(QIcon(folder + "select-n.svg")) != image(QIcon(folder + "unselect-n.svg")));
        QVERIFY(image(QIcon(folder + "select-n.svg")) != image(QIcon(folder + "indeterminate-n.svg")));
        ZtAction action("Screen 1");
        action.SetHasSubMenu(subMenu);
        action.SetCheckState(Qt::CheckState(state));
        QCOMPARE(int(action.CheckState()), shown);
        QCOMPARE(image(action.icon()), image(QIcon(folder + picture)));
    }

    void menuStaysAboveTheBottomEdge_data()
    {
        QTest::addColumn<int>("fromBottom");
        QTest::addColumn<bool>("moved");
        QTest::newRow("near the bottom") << 20 << true;
        QTest::newRow("room enough") << 400 << false;
    }
    void menuStaysAboveTheBottomEdge()
    {
        QFETCH(int, fromBottom);
        QFETCH(bool, moved);
        // A plain menu shown at the same point shows where the menu would go unmoved.
        ZtMenu menu("Layouts");
        QMenu plain("Layouts");
        for (QMenu* m : {static_cast<QMenu*>(&menu), &plain}) {
            for (const char* text : {"Single", "Quad", "Nine", "Sixteen"})
                m->addAction(new ZtAction(text, m));
        }
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        const QPoint at(available.left() + 30, available.bottom() - fromBottom);
        for (QMenu* m : {static_cast<QMenu*>(&menu), &plain}) {
            m->move(at);
            m->show();
            QVERIFY(QTest::qWaitForWindowExposed(m));
        }
        QCOMPARE(menu.x(), plain.x());
        QCOMPARE(plain.geometry().bottom() > available.bottom(), moved);
        if (moved)
            QCOMPARE(menu.geometry().bottom(), available.bottom());
        else
            QCOMPARE(menu.pos(), plain.pos());
    }
};

QTEST_MAIN(tst_Inputs)
#include "tst_inputs.moc"
