// The message box and the custom dialog: show functions, button rules, icons, signals, deletion.
#include "WindowsTest.h"
#include "ZtCustomDialog.h"
#include "ZtMessageBox.h"
#include "ZtPushButton.h"
#include "ZtSubPushButton.h"

using namespace ZtGUI;
using namespace WindowsTest;
using B = ZtMessageBox;
using C = ZtCustomDialog;

namespace {

void setSkin(QString version) { SetSkinVersion(version); }

// The push buttons of a shown box from left to right, as "objectName:text".
QStringList buttonsOf(const QWidget* box)
{
    return leftToRight<QPushButton>(box, [](QPushButton* b) { return b->objectName() + ':' + b->text(); });
}

// Once the modal box is up, runs `look` and clicks `click` (a name, else a text; empty: done(-1)).
void answer(const QString& click, std::function<void(ZtDialog*)> look = {})
{
    QTimer::singleShot(0, [click, look] {
        auto* box = qobject_cast<ZtDialog*>(QApplication::activeModalWidget());
        QVERIFY(box);
        if (look)
            look(box);
        box->SetCloseAnimaEnable(false);     // the close animation is the dialog's own test
        if (click.isEmpty())
            return void(QMetaObject::invokeMethod(box, "done", Q_ARG(int, -1)));
        QAbstractButton* target = box->findChild<QAbstractButton*>(click);
        for (QPushButton* button : box->findChildren<QPushButton*>())
            target = !target && button->text() == click ? button : target;
        QVERIFY2(target, qPrintable(click));
        QTest::mouseClick(target, Qt::LeftButton);
    });
}

// click: see answer(); icon: the skin's picture, empty: none.
struct Show { int function; QString click, icon; QSize size; QStringList buttons; int answer; };
// expected: left to right; focus: index of the focused button; reports: what each button reports.
struct Rule { int buttons; QString positive, negative; QStringList expected; int focus; QList<int> reports; };

} // namespace

Q_DECLARE_METATYPE(Show)
Q_DECLARE_METATYPE(Rule)

class tst_MessageBox : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        KitraTest::failOnUnexpectedWarnings();
        setSkin("DustyBlue");
    }
    void cleanup() { setSkin("DustyBlue"); }

    // Each show function builds its box and returns the button that closed it (title close: none).
    void showFunctionsBuildTheirBoxesAndAnswer_data()
    {
        QTest::addColumn<Show>("show");
        const QSize big(300, 164);
        const QStringList yes{"MsgBtnOk:Yes"}, yesNo{"MsgBtnOk:Yes", "MsgBtnCancel:No"};
        const QString ok = "MsgBtnOk";
        QTest::newRow("information") << Show{0, ok, "Prompt", big, yes, B::Yes};
        QTest::newRow("information with buttons")
            << Show{1, ok, "Warning", {230, 125}, {"MsgBtnOk:OK", "MsgBtnCancel:Cancel"}, B::Ok};
        QTest::newRow("information with an icon")
            << Show{2, ok, "Success", big, {"MsgBtnOk:Go", "MsgBtnCancel:Cancel"}, B::Ok};
        QTest::newRow("unknown icon") << Show{3, ok, "Warning", big, yes, B::Yes};
        QTest::newRow("error") << Show{4, ok, "Error", big, yes, B::Yes};
        QTest::newRow("success") << Show{5, ok, "Success", big, yes, B::Yes};
        QTest::newRow("warning") << Show{6, ok, "Warning", big, yes, B::Yes};
        QTest::newRow("skin without icons") << Show{6, ok, "", big, yes, B::Yes};
        QTest::newRow("question, yes") << Show{7, ok, "Question", big, yesNo, B::Yes};
        QTest::newRow("question, no") << Show{7, "MsgBtnCancel", "Question", big, yesNo, B::No};
        QTest::newRow("question, title close") << Show{7, "pCloseBtn", "Question", big, yesNo, B::NoButton};
        QTest::newRow("question, loop ends with -1") << Show{7, "", "Question", big, yesNo, B::Cancel};
        QTest::newRow("close only") << Show{8, "Close", "Prompt", big, {":Close"}, B::Close};
        QTest::newRow("no buttons") << Show{9, "pCloseBtn", "Prompt", big, {}, B::NoButton};
    }
    void showFunctionsBuildTheirBoxesAndAnswer()
    {
        QFETCH(Show, show);
        const QString file = QString("./Skin/DustyBlue/ZtGui/MessageBox/%1.png").arg(show.icon);
        const QImage expectedIcon = show.icon.isEmpty() ? QImage() : QImage(file).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(expectedIcon.isNull(), show.icon.isEmpty());
        if (show.icon.isEmpty())
            setSkin("NoSuchSkin");
        QVariantList seen;
        QImage seenIcon;
        answer(show.click, [&](ZtDialog* box) {
            seen = {box->size(), buttonsOf(box), box->GetTitle(), box->findChild<QLabel*>("msgbox_label")->text()};
            seenIcon = box->findChild<QLabel*>("msgbox_icon_label")->pixmap(Qt::ReturnByValue).toImage();
        });
        const auto okCancel = B::Ok | B::Cancel;
        const QString t = "Title", x = "Text";
        B::StandardButton result = B::NoButton;
        switch (show.function) {
        case 0: result = B::ShowInformation(nullptr, t, x); break;
        case 1: result = B::ShowInformation(nullptr, t, x, okCancel); break;
        case 2: result = B::ShowInformation(nullptr, B::IconSuccess, t, x, okCancel, "Go"); break;
        case 3: result = B::ShowInformation(nullptr, B::IconType(42), t, x, B::Yes); break;
        case 4: result = B::ShowError(nullptr, t, x); break;
        case 5: result = B::ShowSuccess(nullptr, t, x); break;
        case 6: result = B::ShowWarning(nullptr, t, x); break;
        case 7: result = B::ShowQuestion(nullptr, t, x); break;
        default: result = B::ShowInformation(nullptr, B::IconPrompt, t, x, show.function == 8 ? B::Close : B::NoButton);
        }
        QCOMPARE(int(result), show.answer);
        QCOMPARE(seen, QVariantList({show.size, show.buttons, t, x}));
        QCOMPARE(seenIcon.convertToFormat(QImage::Format_ARGB32), expectedIcon);
        QVERIFY(!QApplication::activeModalWidget());
    }

    // Names, texts, focus, reports and results of the buttons; custom texts give one of each kind.
    void buttonsFollowTheirRules_data()
    {
        QTest::addColumn<Rule>("rule");
        const QString ok = "MsgBtnOk:OK", cancel = "MsgBtnCancel:Cancel", yes = "MsgBtnOk:Yes", no = "MsgBtnCancel:No";
        QTest::newRow("ok cancel") << Rule{B::Ok | B::Cancel, "", "", {ok, cancel}, 0, {B::Ok, B::Cancel}};
        QTest::newRow("ok") << Rule{B::Ok, "", "", {ok}, 0, {B::Ok}};
        QTest::newRow("cancel") << Rule{B::Cancel, "", "", {cancel}, 0, {B::Cancel}};
        QTest::newRow("yes no") << Rule{B::Yes | B::No, "", "", {yes, no}, 0, {B::Yes, B::No}};
        QTest::newRow("no") << Rule{B::No, "", "", {no}, 0, {B::No}};
        QTest::newRow("ok yes") << Rule{B::Ok | B::Yes, "", "", {ok, yes}, 1, {B::Ok, B::Yes}};
        QTest::newRow("cancel no") << Rule{B::Cancel | B::No, "", "", {cancel, no}, 1, {B::Cancel, B::No}};
        QTest::newRow("ok cancel close")
            << Rule{B::Ok | B::Cancel | B::Close, "", "", {ok, cancel, ":Close"}, 2, {B::Ok, B::Cancel, B::Close}};
        QTest::newRow("none") << Rule{0, "", "", {}, -1, {}};
        QTest::newRow("custom yes no") << Rule{B::Yes | B::No, "Go", "", {"MsgBtnOk:Go", no}, 0, {B::Ok, B::Cancel}};
        QTest::newRow("custom ok cancel")
            << Rule{B::Ok | B::Cancel, "", "Stop", {ok, "MsgBtnCancel:Stop"}, 0, {B::Ok, B::Cancel}};
        QTest::newRow("custom, all four") << Rule{B::Ok | B::Yes | B::Cancel | B::No, "Go", "Stop",
                                                  {"MsgBtnOk:Go", "MsgBtnCancel:Stop"}, 0, {B::Ok, B::Cancel}};
        QTest::newRow("custom, yes only") << Rule{B::Yes, "", "Stop", {yes}, 0, {B::Ok}};
        QTest::newRow("custom, close only") << Rule{B::Close, "Go", "Stop", {}, -1, {}};
    }
    void buttonsFollowTheirRules()
    {
        QFETCH(Rule, rule);
        for (int i = 0; i < qMax(1, rule.reports.size()); ++i) {      // each button closes a box of its own
            ZtMessageBox box("Title", "Text", QFlags<B::StandardButton>(rule.buttons), nullptr, ZtDialog::CloseButtonHint,
                             rule.positive, rule.negative);
            QSignalSpy clicked(&box, &ZtMessageBox::SignalButtonClicked);
            QStringList seen;
            answer(rule.expected.isEmpty() ? "pCloseBtn" : rule.expected.at(i).section(':', 1), [&](ZtDialog*) {
                seen = buttonsOf(&box);
                const auto* focus = qobject_cast<QPushButton*>(box.focusWidget());
                seen << (focus ? focus->objectName() + ':' + focus->text() : QString());
                QVERIFY(!box.findChild<QFrame*>("line")->isVisible());
                QCOMPARE(box.findChildren<ZtPushButton*>().size(), box.findChildren<QPushButton*>().size());
            });
            const int result = box.exec();
            QCOMPARE(seen.mid(0, seen.size() - 1), rule.expected);
            QVERIFY(rule.focus < 0 || seen.last() == rule.expected.at(rule.focus));
            if (rule.reports.isEmpty())
                break;
            QCOMPARE(clicked.count(), 1);
            QCOMPARE(int(clicked.at(0).at(0).value<B::StandardButton>()), rule.reports.at(i));
            QCOMPARE(result, int(rule.expected.at(i).startsWith("MsgBtnOk:") ? QDialog::Accepted : QDialog::Rejected));
        }
    }

    // OK is the main, focused button; only Cancel closes (after its signal); setters skip missing buttons.
    void customDialogButtons_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("all") << int(C::Ok | C::Other | C::Cancel)
                             << QStringList{"OtherButton:Other", "OkButton:OK", "CancelButton:Cancel"};
        QTest::newRow("ok cancel") << int(C::Ok | C::Cancel) << QStringList{"OkButton:OK", "CancelButton:Cancel"};
        QTest::newRow("other") << int(C::Other) << QStringList{"OtherButton:Other"};
        QTest::newRow("none") << 0 << QStringList();
    }
    void customDialogButtons()
    {
        QFETCH(int, buttons);
        QFETCH(QStringList, expected);
        ZtCustomDialog dialog{QFlags<C::StandardButton>(buttons)};
        dialog.SetCloseAnimaEnable(false);
        QSignalSpy ok(&dialog, &C::SignalOkButtonClicked), other(&dialog, &C::SignalOtherButtonClicked);
        QSignalSpy finished(&dialog, &QDialog::finished);
        int finishedAtCancel = -1;
        connect(&dialog, &C::SignalCancelButtonClicked, this, [&] { finishedAtCancel = finished.count(); });
        QVariantList seen;
        QStringList changed;
        const auto describe = [](QPushButton* b) {
            return QString("%1:%2:%3:%4").arg(b->objectName(), b->text()).arg(b->isEnabled()).arg(b->isVisible());
        };
        QTimer::singleShot(0, &dialog, [&] {
            const QPushButton* focus = qobject_cast<QPushButton*>(dialog.focusWidget());
            seen << buttonsOf(&dialog) << (focus ? focus->objectName() : QString())
                 << dialog.findChildren<ZtSubPushButton*>().size();
            for (const char* name : {"OkButton", "OtherButton"})
                if (auto* button = dialog.findChild<QPushButton*>(name))
                    QTest::mouseClick(button, Qt::LeftButton);
            seen << (dialog.isVisible() && finished.isEmpty());
            dialog.SetButtonText(C::Ok | C::Other, "Apply");
            dialog.SetButtonEnable(C::Ok | C::Other, false);
            dialog.SetButtonVisible(C::Ok | C::Other, false);
            changed = leftToRight<QPushButton>(&dialog, describe);
            QAbstractButton* cancel = dialog.findChild<QPushButton*>("CancelButton");
            QTest::mouseClick(cancel ? cancel : dialog.findChild<QAbstractButton*>("pCloseBtn"), Qt::LeftButton);
        });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        const bool hasOk = buttons & C::Ok, hasCancel = buttons & C::Cancel;
        QCOMPARE(seen, QVariantList({expected, hasOk ? "OkButton" : "", expected.size() - int(hasOk), true}));
        QStringList afterSetters;
        for (const QString& button : expected)
            afterSetters << (button.startsWith("Cancel") ? button + ":1:1" : button.section(':', 0, 0) + ":Apply:0:0");
        QCOMPARE(changed, afterSetters);
        QCOMPARE(QList<int>({int(ok.count()), int(other.count()), finishedAtCancel}),
                 QList<int>({int(hasOk), int(bool(buttons & C::Other)), hasCancel ? 0 : -1}));
    }

    // The boxes lay out their central frames themselves, a null icon keeps the one the box was built
    // with, and a host may delete either box from a slot of its own button's signal.
    void ownFramesAndDeletionFromTheirOwnButtons()
    {
        QPixmap icon(20, 20);
        icon.fill(Qt::red);
        auto* message = new B(icon, "Title", "Text", B::Ok | B::Cancel);
        message->SetIconImage(QPixmap());
        QCOMPARE(message->findChild<QLabel*>("msgbox_icon_label")->pixmap(Qt::ReturnByValue).size(), QSize(20, 20));
        auto* custom = new C(C::Ok | C::Cancel);
        connect(message, &B::SignalButtonClicked, message, [message] { delete message; });
        connect(custom, &C::SignalCancelButtonClicked, custom, [custom] { delete custom; });
        for (const auto& [box, click] : {std::pair<ZtDialog*, QString>{message, "MsgBtnOk"}, {custom, "CancelButton"}}) {
            const QLayout* own = box->GetCentralWidget()->layout();
            QTextEdit content;
            const QString warning("ZtDialog::AddCentralWidget: %1 lays out its central frame itself");
            QTest::ignoreMessage(QtWarningMsg, qPrintable(warning.arg(box->metaObject()->className())));
            box->AddCentralWidget(&content);
            QVERIFY(!content.parentWidget());
            QCOMPARE(box->GetCentralWidget()->layout(), own);
            const QPointer<ZtDialog> alive(box);
            showAt(*box, QRect(100, 100, 300, 164));
            QTest::mouseClick(box->findChild<QPushButton*>(click), Qt::LeftButton);
            QVERIFY(alive.isNull());
        }
    }
};

QTEST_MAIN(tst_MessageBox)
#include "tst_messagebox.moc"
