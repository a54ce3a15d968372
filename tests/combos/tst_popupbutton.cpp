#include <QtTest>
#include <QtWidgets>

#include "KitraTest.h"
#include "ZtPathComboBox.h"
#include "ZtPopupButton.h"

#include <functional>

using namespace ZtGUI;

namespace {

// A frameless window covering the 800 x 600 offscreen screen, holding a pop-up button at a
// global rectangle whose pop-up is a widget of the given size with a push button inside.
struct Host
{
    explicit Host(const QRect& buttonRect = QRect(100, 100, 40, 30), const QSize& popupSize = QSize(200, 120))
    {
        window.setWindowFlags(Qt::FramelessWindowHint);
        window.setGeometry(QGuiApplication::primaryScreen()->geometry());
        button = new ZtPopupButton(&window);
        content = new QWidget;
        content->resize(popupSize);
        inner = new QPushButton(QStringLiteral("pick"), content);
        button->SetPopupWidget(content);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        button->setGeometry(QRect(buttonRect.topLeft() - window.mapToGlobal(QPoint()), buttonRect.size()));
    }

    void open() { KitraTest::click(button, button->rect().center()); }
    QWidget* popup() const { return QApplication::activePopupWidget(); }

    QWidget window;
    QPointer<ZtPopupButton> button;
    QPointer<QWidget> content;
    QPushButton* inner = nullptr;
};

// Answers every file dialog the code under test opens, once it shows, and notes what it showed.
struct DialogAnswerer
{
    explicit DialogAnswerer(std::function<void(QFileDialog*)> answer)
    {
        QObject::connect(&timer, &QTimer::timeout, [this, answer] {
            QWidget* const modal = QApplication::activeModalWidget();
            auto* const dialog = qobject_cast<QFileDialog*>(modal);
            // A box of the file dialog's own (overwrite, not found) would wait for ever: it goes.
            if (auto* box = qobject_cast<QDialog*>(modal); box && !dialog && box->isVisible())
                box->reject();
            if (!dialog || !dialog->isVisible())
                return;
            ++count;
            title = dialog->windowTitle();
            kind = dialog->acceptMode() == QFileDialog::AcceptSave  ? "save"
                   : dialog->testOption(QFileDialog::ShowDirsOnly) ? "directory"
                   : dialog->fileMode() == QFileDialog::ExistingFiles ? "files"
                                                                       : "file";
            directory = dialog->directory().absolutePath();
            answer(dialog);
        });
        timer.start(5);
    }

    QTimer timer;
    int count = 0;
    QString title;
    QString kind;
    QString directory;
};

void reject(QFileDialog* dialog) { dialog->reject(); }

// Typed as an operator does: selectFile() leaves a focused name field alone and selects in the
// list instead, which is empty until the file system answers, late under load.
void typeName(QFileDialog* dialog, const QString& name)
{
    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(name);
}

// Runs what is queued now, a dialog included, before returning.
void flush()
{
    bool flushed = false;
    QTimer::singleShot(0, [&flushed] { flushed = true; });
    QTRY_VERIFY(flushed);
}

QStringList items(const QComboBox& combo)
{
    QStringList list;
    for (int i = 0; i < combo.count(); ++i)
        list << combo.itemText(i);
    return list;
}

} // namespace

class tst_PopupButton : public QObject
{
    Q_OBJECT

    QTemporaryDir m_files;

private slots:
    void initTestCase()
    {
        KitraTest::failOnUnexpectedWarnings();
        QVERIFY(m_files.isValid());
        const QDir dir(m_files.path());
        QVERIFY(dir.mkdir(QStringLiteral("sub")));
        for (const char* name : {"a.txt", "b.txt", "sub/c.txt"}) {
            QFile file(dir.filePath(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }
    void cleanup() { QTRY_VERIFY(!QApplication::activePopupWidget()); }

    void popupIsCentredUnderTheButton_data()
    {
        QTest::addColumn<QRect>("buttonRect");
        QTest::addColumn<QSize>("popupSize");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("middle") << QRect(100, 100, 40, 30) << QSize(200, 120) << QRect(20, 130, 200, 120);
        QTest::newRow("odd width") << QRect(100, 100, 41, 30) << QSize(201, 50) << QRect(20, 130, 201, 50);
        // Not fitted to the screen: the pop-up runs past the edges.
        QTest::newRow("past the left edge") << QRect(0, 0, 40, 30) << QSize(300, 50) << QRect(-130, 30, 300, 50);
        QTest::newRow("past the bottom right") << QRect(760, 560, 40, 30) << QSize(200, 100)
                                               << QRect(680, 590, 200, 100);
    }
    void popupIsCentredUnderTheButton()
    {
        QFETCH(QRect, buttonRect);
        QFETCH(QSize, popupSize);
        Host host(buttonRect, popupSize);
        host.open();
        QVERIFY(host.popup());
        QTEST(host.popup()->geometry(), "expected");
        QCOMPARE(host.content->geometry(), QRect(QPoint(), popupSize));
        host.popup()->hide();
    }

    void keysClose_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("toPopup");
        QTest::newRow("Escape") << int(Qt::Key_Escape) << false;
        QTest::newRow("Return") << int(Qt::Key_Return) << false;
        QTest::newRow("Enter") << int(Qt::Key_Enter) << false;
        QTest::newRow("Escape in the pop-up") << int(Qt::Key_Escape) << true;
    }
    void keysClose()
    {
        QFETCH(int, key);
        QFETCH(bool, toPopup);
        Host host;
        host.open();
        QWidget* const popup = host.popup();
        QVERIFY(popup);
        if (toPopup) {
            QTest::keyClick(popup, Qt::Key(key));
            QVERIFY(!popup->isVisible());
            return;
        }
        for (const bool open : {true, false}) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(host.button, &press);
            QVERIFY(!popup->isVisible());
            // Closed, the button leaves the key to its window (a dialog's Escape or default button).
            QCOMPARE(press.isAccepted(), open);
        }
    }

    void pressesClose_data()
    {
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<bool>("onButton");
        QTest::newRow("outside") << QPoint(550, 450) << false;
        QTest::newRow("on the button") << QPoint(120, 115) << true;
    }
    void pressesClose()
    {
        QFETCH(QPoint, pos);
        QFETCH(bool, onButton);
        Host host;
        host.open();
        QWidget* const popup = host.popup();
        // A press inside the pop-up leaves it open.
        QTest::mouseClick(popup->windowHandle(), Qt::LeftButton, {}, QPoint(190, 110));
        QVERIFY(popup->isVisible());
        // Through the window system, where the open pop-up takes the press.
        QTest::mouseClick(host.window.windowHandle(), Qt::LeftButton, {}, pos);
        QVERIFY(!popup->isVisible());
        // The press on the button must not be handed on again once the pop-up closed, or it would
        // reopen it; the offscreen platform never hands presses on, so the mark is checked.
        QCOMPARE(popup->testAttribute(Qt::WA_NoMouseReplay), onButton);
    }

    void replacedAndDeletedContent()
    {
        Host host;
        host.button->SetPopupWidget(nullptr);
        host.button->SetPopupWidget(host.content);          // the same one again stays
        QVERIFY(host.content);
        QPointer<QWidget> next = new QLabel(QStringLiteral("next"));
        next->resize(150, 40);
        host.button->SetPopupWidget(next);
        QVERIFY(!host.content);
        host.open();
        QWidget* const popup = host.popup();
        QCOMPARE(popup->geometry(), QRect(45, 130, 150, 40));
        QVERIFY(popup->isAncestorOf(next));
        delete next;
        // An empty pop-up of the same size stays open in its place.
        QVERIFY(popup->isVisible());
        QCOMPARE(popup->geometry(), QRect(45, 130, 150, 40));
        const QList<QWidget*> children = popup->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(children.size(), 1);
        QTRY_COMPARE(children.first()->geometry(), popup->rect());
        popup->hide();
    }

    void deletion_data()
    {
        QTest::addColumn<bool>("fromContent");
        QTest::newRow("while open") << false;
        QTest::newRow("from a slot of the pop-up's content") << true;
    }
    void deletion()
    {
        QFETCH(bool, fromContent);
        Host host;
        QObject::connect(host.inner, &QPushButton::clicked, host.button, [&host] { delete host.button; });
        host.open();
        QWidget* const popup = host.popup();
        if (fromContent)
            QTest::mouseClick(popup->windowHandle(), Qt::LeftButton, {}, host.inner->geometry().center());
        else
            delete host.button;
        QVERIFY(!host.button);
        QVERIFY(!host.content);
        QVERIFY(!QApplication::activePopupWidget());
    }

    void pathComboAsksByFileMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("shownTitle");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("picked");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<bool>("editable");
        QTest::newRow("save") << int(QFileDialog::AnyFile) << "Save as" << "Save as" << "save"
                              << QStringList{"new.txt"} << QStringList{"new.txt"} << false;
        QTest::newRow("open") << int(QFileDialog::ExistingFile) << "Open" << "Open" << "file"
                              << QStringList{"a.txt"} << QStringList{"a.txt"} << true;
        QTest::newRow("directory") << int(QFileDialog::Directory) << "" << "Select Directory" << "directory"
                                   << QStringList{"sub"} << QStringList{"sub/"} << false;
        QTest::newRow("root keeps its slash") << int(QFileDialog::Directory) << "Where" << "Where" << "directory"
                                              << QStringList{"/"} << QStringList{"/"} << false;
        QTest::newRow("several files") << int(QFileDialog::ExistingFiles) << "Pick" << "Pick" << "files"
                                       << QStringList{"a.txt", "b.txt"} << QStringList{"a.txt", "b.txt"} << false;
    }
    void pathComboAsksByFileMode()
    {
        QFETCH(int, mode);
        QFETCH(QString, title);
        QFETCH(QStringList, picked);
        QFETCH(QStringList, expected);
        QFETCH(bool, editable);
        const QDir dir(m_files.path());
        for (QString& path : picked)
            path = dir.filePath(path);
        for (QString& path : expected)
            path = path.startsWith(QLatin1Char('/')) ? path : dir.filePath(path);
        ZtPathComboBox combo;
        combo.setEditable(editable);
        combo.addItem(QStringLiteral("previous"));
        combo.setCurrentIndex(-1);
        combo.SetFileMode(QFileDialog::FileMode(mode));
        combo.SetTitle(title);
        combo.SetDirectory(dir.path());
        QSignalSpy text(&combo, &QComboBox::currentTextChanged);
        QSignalSpy editText(&combo, &QComboBox::editTextChanged);
        DialogAnswerer answerer([&picked](QFileDialog* dialog) {
            if (dialog->testOption(QFileDialog::ShowDirsOnly))
                dialog->setDirectory(picked.first());
            else
                typeName(dialog, picked.size() == 1 ? picked.first() : "\"" + picked.join("\" \"") + "\"");
            dialog->QDialog::accept();   // past the file system's answers, which come late under load
        });
        combo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&combo));
        KitraTest::click(&combo, QPoint(combo.width() - 5, combo.height() / 2));
        QTRY_COMPARE(answerer.count, 1);
        QTEST(answerer.title, "shownTitle");
        QTEST(answerer.kind, "kind");
        QCOMPARE(answerer.directory, dir.path());
        QCOMPARE(items(combo), expected);
        QCOMPARE(text.count(), 1);
        QCOMPARE(text.at(0).at(0).toString(), expected.first());
        QCOMPARE(editText.count(), int(editable));
    }

    void pathComboCancelKeepsThePathAndStartsThere()
    {
        const QDir dir(m_files.path());
        ZtPathComboBox combo;
        combo.SetDirectory(QDir::rootPath());
        combo.addItem(dir.filePath(QStringLiteral("sub/c.txt")));
        DialogAnswerer answerer(reject);
        combo.showPopup();
        QTRY_COMPARE(answerer.count, 1);
        QCOMPARE(answerer.directory, dir.filePath(QStringLiteral("sub")));
        QCOMPARE(items(combo), QStringList{dir.filePath(QStringLiteral("sub/c.txt"))});
    }

    void pathComboOpensOnlyFromItsArrow_data()
    {
        QTest::addColumn<bool>("editable");
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("dialogs");
        QTest::newRow("click on the text") << false << "text" << 0;
        QTest::newRow("click on the arrow") << false << "arrow" << 1;
        QTest::newRow("two clicks on the arrow") << false << "arrow twice" << 1;
        QTest::newRow("space") << false << "space" << 1;
        QTest::newRow("space, editable") << true << "space" << 0;
    }
    void pathComboOpensOnlyFromItsArrow()
    {
        QFETCH(bool, editable);
        QFETCH(QString, input);
        ZtPathComboBox combo;
        combo.setEditable(editable);
        combo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&combo));
        DialogAnswerer answerer(reject);
        const QPoint arrow(combo.width() - 5, combo.height() / 2);
        if (input == QLatin1String("space"))
            QTest::keyClick(&combo, Qt::Key_Space);
        else
            KitraTest::click(&combo, input == QLatin1String("text") ? QPoint(combo.width() - 30, 5) : arrow);
        if (input == QLatin1String("arrow twice"))
            KitraTest::click(&combo, arrow);
        flush();
        QTEST(answerer.count, "dialogs");
        QCOMPARE(combo.currentText(), QString());
    }

    void pathComboDeletedByItsHost_data()
    {
        QTest::addColumn<bool>("hadPath");
        QTest::addColumn<bool>("beforeTheDialog");
        QTest::newRow("from the index change, replacing a path") << true << false;
        QTest::newRow("from the index change, first path") << false << false;
        QTest::newRow("before the dialog opens") << false << true;
    }
    void pathComboDeletedByItsHost()
    {
        QFETCH(bool, hadPath);
        QFETCH(bool, beforeTheDialog);
        const QString picked = QDir(m_files.path()).filePath(QStringLiteral("a.txt"));
        QPointer<ZtPathComboBox> combo = new ZtPathComboBox;
        if (hadPath)
            combo->addItem(picked);
        QObject::connect(combo.data(), QOverload<int>::of(&QComboBox::currentIndexChanged), combo.data(), [&combo] { delete combo; });
        DialogAnswerer answerer([&picked](QFileDialog* dialog) {
            typeName(dialog, picked);
            dialog->QDialog::accept();   // past the file system's answers, which come late under load
        });
        combo->showPopup();
        if (beforeTheDialog)
            delete combo;
        flush();
        QVERIFY(!combo);
        QCOMPARE(answerer.count, beforeTheDialog ? 0 : 1);
    }
};

QTEST_MAIN(tst_PopupButton)
#include "tst_popupbutton.moc"
