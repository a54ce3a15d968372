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
QPoint arrow(const QWidget& combo) { return {combo.width() - 5, combo.height() / 2}; }

// A mode and title, the dialog shown (kind: title), what the operator picks there and the items after.
struct PathCase
{
    QFileDialog::FileMode mode;
    QString title, shown;
    bool editable;
    QStringList picked, expected;
};

} // namespace

Q_DECLARE_METATYPE(PathCase)

class tst_ComboBox : public QObject
{
    Q_OBJECT

    QTemporaryDir m_files;
    QString file(const QString& name) const { return QDir(m_files.path()).filePath(name); }

private slots:
    void initTestCase()
    {
        KitraTest::failOnUnexpectedWarnings();
        QVERIFY(m_files.isValid());
        QVERIFY(QDir(m_files.path()).mkdir(QStringLiteral("sub")));
        for (const char* name : {"a.txt", "b.txt", "sub/c.txt"})
            QVERIFY(QFile(file(name)).open(QIODevice::WriteOnly));
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
        QTest::addColumn<PathCase>("c");
        const QStringList two{"a.txt", "b.txt"}, saved{"new.txt"};
        QTest::newRow("save") << PathCase{QFileDialog::AnyFile, "Save as", "save: Save as", false, saved, saved};
        QTest::newRow("open") << PathCase{QFileDialog::ExistingFile, "Open", "file: Open", true, {"a.txt"}, {"a.txt"}};
        QTest::newRow("directory")
            << PathCase{QFileDialog::Directory, "", "directory: Select Directory", false, {"sub"}, {"sub/"}};
        QTest::newRow("root keeps its slash")
            << PathCase{QFileDialog::Directory, "Where", "directory: Where", false, {"/"}, {"/"}};
        QTest::newRow("several files") << PathCase{QFileDialog::ExistingFiles, "Pick", "files: Pick", false, two, two};
    }
    void pathComboAsksByFileMode()
    {
        QFETCH(PathCase, c);
        for (QStringList* list : {&c.picked, &c.expected})
            for (QString& path : *list)
                path = file(path);
        ZtPathComboBox combo;
        combo.setEditable(c.editable);
        combo.addItem(QStringLiteral("previous"));
        combo.setCurrentIndex(-1);
        combo.SetFileMode(c.mode);
        combo.SetTitle(c.title);
        combo.SetDirectory(m_files.path());
        QSignalSpy text(&combo, &QComboBox::currentTextChanged);
        QSignalSpy editText(&combo, &QComboBox::editTextChanged);
        const QStringList& picked = c.picked;
        DialogAnswerer answerer([&picked](QFileDialog* dialog) {
            if (!dialog->testOption(QFileDialog::ShowDirsOnly))
                return acceptTyped(dialog, picked.size() == 1 ? picked.first() : "\"" + picked.join("\" \"") + "\"");
            dialog->setDirectory(picked.first());
            dialog->QDialog::accept();
        });
        combo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&combo));
        KitraTest::click(&combo, arrow(combo));
        QCOMPARE(answerer.shown.size(), 1);         // answered before the click returns
        QCOMPARE(answerer.shown.first(), c.shown);
        QCOMPARE(answerer.directory, m_files.path());
        QCOMPARE(items(combo), c.expected);
        QCOMPARE(QList<QVariantList>(text), QList<QVariantList>{{c.expected.first()}});
        QCOMPARE(editText.count(), int(c.editable));
    }

    void pathComboOpensOnlyFromItsArrowAndStartsAtItsPath()
    {
        const QString path = file(QStringLiteral("sub/c.txt"));
        ZtPathComboBox combo;
        combo.SetDirectory(QDir::rootPath());
        combo.addItem(path);
        combo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&combo));
        DialogAnswerer answerer([](QFileDialog* dialog) { dialog->reject(); });
        KitraTest::click(&combo, QPoint(combo.width() - 30, 5));        // on the text
        QCOMPARE(answerer.shown.size(), 0);
        KitraTest::click(&combo, arrow(combo));
        QCOMPARE(answerer.shown.size(), 1);
        QCOMPARE(answerer.directory, QFileInfo(path).absolutePath());
        QTest::keyClick(&combo, Qt::Key_Space);
        QCOMPARE(answerer.shown.size(), 2);
        combo.setEditable(true);
        QTest::keyClick(&combo, Qt::Key_Space);
        QCOMPARE(answerer.shown.size(), 2);
        QCOMPARE(items(combo), QStringList{path});          // cancelled: the path stays
        QCOMPARE(combo.currentText(), path);
    }

    void pathComboDeletedByItsHost_data()
    {
        QTest::addColumn<bool>("byText");       // else by the index
        QTest::addColumn<bool>("hadPath");
        QTest::addColumn<bool>("byKey");
        QTest::newRow("index change, replacing a path") << false << true << false;
        QTest::newRow("index change, first path, F4") << false << false << true;
        QTest::newRow("text change") << true << false << false;
    }
    void pathComboDeletedByItsHost()
    {
        QFETCH(bool, byText);
        QFETCH(bool, hadPath);
        QFETCH(bool, byKey);
        QWidget window;
        QPointer<ZtPathComboBox> combo = new ZtPathComboBox(&window);
        if (hadPath)
            combo->addItem(file(QStringLiteral("b.txt")));
        const auto deleter = [&combo] { delete combo; };
        byText ? connect(combo.data(), &QComboBox::currentTextChanged, deleter)
               : connect(combo.data(), QOverload<int>::of(&QComboBox::currentIndexChanged), deleter);
        DialogAnswerer answerer([this](QFileDialog* dialog) { acceptTyped(dialog, file(QStringLiteral("a.txt"))); });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // Only the press or the key: what follows it finds no combo box.
        byKey ? QTest::keyPress(combo.data(), Qt::Key_F4) : KitraTest::press(combo, arrow(*combo));
        QVERIFY(!combo);
        QCOMPARE(answerer.shown.size(), 1);
    }
};

QTEST_MAIN(tst_ComboBox)
#include "tst_combobox.moc"
