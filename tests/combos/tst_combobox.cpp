#include <QtTest>
#include <QtWidgets>

#include "KitraTest.h"
#include "ZtComboBox.h"
#include "ZtCustomComboBox.h"
#include "ZtPathComboBox.h"

#include <functional>

using namespace ZtGUI;

namespace {

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
            const char* kind = dialog->acceptMode() == QFileDialog::AcceptSave         ? "save"
                               : dialog->testOption(QFileDialog::ShowDirsOnly)      ? "directory"
                               : dialog->fileMode() == QFileDialog::ExistingFiles ? "files"
                                                                                  : "file";
            shown << kind + QStringLiteral(": ") + dialog->windowTitle();
            directory = dialog->directory().absolutePath();
            answer(dialog);
        });
        timer.start(5);
    }

    QTimer timer;
    QStringList shown;          // the kind and title of each dialog
    QString directory;          // where the last one started
};

// Typed as an operator does: selectFile() leaves a focused name field alone and selects in the
// list instead, which is empty until the file system answers, late under load. Accepted past
// those answers for the same reason.
void acceptTyped(QFileDialog* dialog, const QString& name)
{
    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(name);
    dialog->QDialog::accept();
}

QStringList items(const QComboBox& combo)
{
    QStringList list;
    for (int i = 0; i < combo.count(); ++i)
        list << combo.itemText(i);
    return list;
}

} // namespace

class tst_ComboBox : public QObject
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

    void listItemShowsItsTextAsTooltip()
    {
        QWidget window;
        ZtComboBox combo(&window);
        const QString name = QStringLiteral("Parking level 2, north gate camera");
        combo.addItems({QStringLiteral("one"), name});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::keyClick(&combo, Qt::Key_F4);
        QAbstractItemView* const view = combo.view();
        QTRY_VERIFY(view->isVisible());
        const QPoint pos = view->visualRect(combo.model()->index(1, 0)).center();
        QHelpEvent help(QEvent::ToolTip, pos, view->viewport()->mapToGlobal(pos));
        QApplication::sendEvent(view->viewport(), &help);
        QTRY_COMPARE(QToolTip::text(), name);
        QToolTip::hideText();
        combo.hidePopup();
    }

    void autoTooltip()
    {
        ZtCustomComboBox combo;
        combo.resize(200, 30);
        const QString longer = QStringLiteral("Camera 12, Parking level 2, north gate");
        combo.SetAutoTooltip(longer);
        QCOMPARE(combo.toolTip(), longer);
        combo.SetAutoTooltip(QStringLiteral("Lobby"));      // fits: no tool tip
        QCOMPARE(combo.toolTip(), QString());

        QStringList names;
        for (int i = 1; i <= 300; ++i)
            names << QStringLiteral("Camera %1").arg(i);
        // Spaces around the names and an empty part do not reach the tool tip.
        const QString sep = QStringLiteral(" , ");
        combo.SetAutoTooltip(names.mid(0, 150).join(sep) + QStringLiteral(",,") + names.mid(150).join(sep));
        const QStringList lines = combo.toolTip().split(QLatin1Char('\n'));
        QVERIFY(lines.size() > 2);
        QCOMPARE(lines.join(QString()), names.join(QLatin1Char(',')));
        const QFontMetrics metrics = combo.fontMetrics();
        for (const QString& line : lines.mid(0, lines.size() - 1)) {
            // Broken after the first name that takes the line to 500 pixels.
            QVERIFY(line.endsWith(QLatin1Char(',')));
            QVERIFY(metrics.horizontalAdvance(line) >= 500);
            QVERIFY(metrics.horizontalAdvance(line.left(line.lastIndexOf(QLatin1Char(','), -2) + 1)) < 500);
        }
        // A name that fills a line by itself, then an empty last part: that part still ends a line.
        const QString wide(200, QLatin1Char('x'));
        combo.SetAutoTooltip(wide + QStringLiteral(","));
        QCOMPARE(combo.toolTip(), wide + QStringLiteral(",\n"));
    }

    void pathComboAsksByFileMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("editable");
        QTest::addColumn<QStringList>("picked");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("save") << int(QFileDialog::AnyFile) << "Save as" << false << QStringList{"new.txt"}
                              << "save: Save as" << QStringList{"new.txt"};
        QTest::newRow("open") << int(QFileDialog::ExistingFile) << "Open" << true << QStringList{"a.txt"}
                              << "file: Open" << QStringList{"a.txt"};
        QTest::newRow("directory") << int(QFileDialog::Directory) << "" << false << QStringList{"sub"}
                                   << "directory: Select Directory" << QStringList{"sub/"};
        QTest::newRow("root keeps its slash") << int(QFileDialog::Directory) << "Where" << false
                                              << QStringList{"/"} << "directory: Where" << QStringList{"/"};
        const QStringList two{"a.txt", "b.txt"};
        QTest::newRow("several files") << int(QFileDialog::ExistingFiles) << "Pick" << false << two
                                       << "files: Pick" << two;
    }
    void pathComboAsksByFileMode()
    {
        QFETCH(int, mode);
        QFETCH(QString, title);
        QFETCH(bool, editable);
        QFETCH(QStringList, picked);
        QFETCH(QStringList, expected);
        const QDir dir(m_files.path());
        for (QStringList* list : {&picked, &expected})
            for (QString& path : *list)
                path = dir.filePath(path);
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
            if (!dialog->testOption(QFileDialog::ShowDirsOnly))
                return acceptTyped(dialog, picked.size() == 1 ? picked.first() : "\"" + picked.join("\" \"") + "\"");
            dialog->setDirectory(picked.first());
            dialog->QDialog::accept();
        });
        combo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&combo));
        KitraTest::click(&combo, QPoint(combo.width() - 5, combo.height() / 2));
        QCOMPARE(answerer.shown.size(), 1);         // answered before the click returns
        QTEST(answerer.shown.first(), "shown");
        QCOMPARE(answerer.directory, dir.path());
        QCOMPARE(items(combo), expected);
        QCOMPARE(QList<QVariantList>(text), QList<QVariantList>{{expected.first()}});
        QCOMPARE(editText.count(), int(editable));
    }

    void pathComboOpensOnlyFromItsArrowAndStartsAtItsPath()
    {
        const QString path = QDir(m_files.path()).filePath(QStringLiteral("sub/c.txt"));
        ZtPathComboBox combo;
        combo.SetDirectory(QDir::rootPath());
        combo.addItem(path);
        combo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&combo));
        DialogAnswerer answerer([](QFileDialog* dialog) { dialog->reject(); });
        const QPoint arrow(combo.width() - 5, combo.height() / 2);
        QList<int> dialogs;
        const auto count = [&] { dialogs << answerer.shown.size(); };
        KitraTest::click(&combo, QPoint(combo.width() - 30, 5));        // on the text
        count();
        KitraTest::click(&combo, arrow);
        count();
        QCOMPARE(answerer.directory, QFileInfo(path).absolutePath());
        QTest::keyClick(&combo, Qt::Key_Space);
        count();
        combo.setEditable(true);
        QTest::keyClick(&combo, Qt::Key_Space);
        count();
        QCOMPARE(dialogs, (QList<int>{0, 1, 2, 2}));
        QCOMPARE(items(combo), QStringList{path});          // cancelled: the path stays
        QCOMPARE(combo.currentText(), path);
    }

    void pathComboDeletedByItsHost_data()
    {
        QTest::addColumn<QString>("when");
        QTest::addColumn<bool>("hadPath");
        QTest::addColumn<bool>("byKey");
        QTest::newRow("index change, replacing a path") << "currentIndexChanged" << true << false;
        QTest::newRow("index change, first path, F4") << "currentIndexChanged" << false << true;
        QTest::newRow("text change") << "currentTextChanged" << false << false;
    }
    void pathComboDeletedByItsHost()
    {
        QFETCH(QString, when);
        QFETCH(bool, hadPath);
        QFETCH(bool, byKey);
        const QString picked = QDir(m_files.path()).filePath(QStringLiteral("a.txt"));
        QWidget window;
        QPointer<ZtPathComboBox> combo = new ZtPathComboBox(&window);
        if (hadPath)
            combo->addItem(QDir(m_files.path()).filePath(QStringLiteral("b.txt")));
        const auto deleter = [&combo] { delete combo; };
        if (when == QLatin1String("currentIndexChanged"))
            connect(combo.data(), QOverload<int>::of(&QComboBox::currentIndexChanged), deleter);
        if (when == QLatin1String("currentTextChanged"))
            connect(combo.data(), &QComboBox::currentTextChanged, deleter);
        DialogAnswerer answerer([&picked](QFileDialog* dialog) { acceptTyped(dialog, picked); });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint arrow(combo->width() - 5, combo->height() / 2);
        // Only the press or the key: what follows it finds no combo box.
        if (byKey)
            QTest::keyPress(combo.data(), Qt::Key_F4);
        else
            KitraTest::press(combo, arrow);
        QVERIFY(!combo);
        QCOMPARE(answerer.shown.size(), 1);
    }
};

QTEST_MAIN(tst_ComboBox)
#include "tst_combobox.moc"
