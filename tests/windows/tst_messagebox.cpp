// The message box and the custom dialog: the show functions answered by timers, the button rules
// with their object names, texts, focus and reports, custom texts, icons from the skin, the custom
// dialog's buttons and signals, and boxes deleted from the slots of their own buttons.
#include "KitraTest.h"
#include "ZtCustomDialog.h"
#include "ZtMessageBox.h"
#include "ZtPushButton.h"
#include "ZtSetting.h"
#include "ZtSubPushButton.h"

#include <functional>

using namespace ZtGUI;
using Button = ZtMessageBox::StandardButton;
using Buttons = QFlags<ZtMessageBox::StandardButton>;

namespace {

void setSkin(const QString& version)
{
    QString copy = version;
    SetSkinVersion(copy);
}

// The push buttons of a shown box from left to right, as "objectName:text".
QList<QPushButton*> buttonsOf(QWidget* box)
{
    QList<QPushButton*> buttons = box->findChildren<QPushButton*>();
    std::sort(buttons.begin(), buttons.end(), [](QPushButton* a, QPushButton* b) { return a->x() < b->x(); });
    return buttons;
}

QStringList describe(const QList<QPushButton*>& buttons)
{
    QStringList names;
    for (const QPushButton* button : buttons)
        names << button->objectName() + ':' + button->text();
    return names;
}

// Runs `look` on the modal box once it is up, then clicks its widget named `click` (a button's
// object name, or its text when no widget has that name).
void answer(const QString& click, std::function<void(ZtDialog*)> look = {})
{
    QTimer::singleShot(0, [click, look] {
        auto* box = qobject_cast<ZtDialog*>(QApplication::activeModalWidget());
        QVERIFY(box);
        if (look)
            look(box);
        box->SetCloseAnimaEnable(false);     // the close animation is the dialog's own test
        QAbstractButton* target = box->findChild<QAbstractButton*>(click);
        for (QPushButton* button : box->findChildren<QPushButton*>())
            if (!target && button->text() == click)
                target = button;
        QVERIFY2(target, qPrintable(click));
        QTest::mouseClick(target, Qt::LeftButton);
    });
}

} // namespace

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

    void showQuestionAnswersTheButtonThatClosedIt_data()
    {
        QTest::addColumn<QString>("click");
        QTest::addColumn<int>("expected");
        QTest::newRow("yes") << "MsgBtnOk" << int(ZtMessageBox::Yes);
        QTest::newRow("no") << "MsgBtnCancel" << int(ZtMessageBox::No);
        QTest::newRow("title close") << "pCloseBtn" << int(ZtMessageBox::NoButton);
        QTest::newRow("loop ends with -1") << "" << int(ZtMessageBox::Cancel);
    }
    void showQuestionAnswersTheButtonThatClosedIt()
    {
        QFETCH(QString, click);
        QFETCH(int, expected);
        if (click.isEmpty())
            QTimer::singleShot(0, [] { QMetaObject::invokeMethod(QApplication::activeModalWidget(), "done", Q_ARG(int, -1)); });
        else
            answer(click);
        QCOMPARE(int(ZtMessageBox::ShowQuestion(nullptr, "Delete", "Delete the camera?")), expected);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void showFunctionsBuildTheirBoxes_data()
    {
        QTest::addColumn<int>("function");
        QTest::addColumn<QString>("icon");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<int>("answer");     // what clicking the first button returns
        const QSize big(300, 164);
        QTest::newRow("information") << 0 << "Prompt" << big << QStringList{"MsgBtnOk:Yes"} << int(ZtMessageBox::Yes);
        QTest::newRow("information with buttons") << 1 << "Warning" << QSize(230, 125)
                                                  << QStringList{"MsgBtnOk:OK", "MsgBtnCancel:Cancel"} << int(ZtMessageBox::Ok);
        QTest::newRow("information with an icon") << 2 << "Success" << big
                                                  << QStringList{"MsgBtnOk:Go", "MsgBtnCancel:Cancel"} << int(ZtMessageBox::Ok);
        QTest::newRow("unknown icon") << 3 << "Warning" << big << QStringList{"MsgBtnOk:Yes"} << int(ZtMessageBox::Yes);
        QTest::newRow("error") << 4 << "Error" << big << QStringList{"MsgBtnOk:Yes"} << int(ZtMessageBox::Yes);
        QTest::newRow("success") << 5 << "Success" << big << QStringList{"MsgBtnOk:Yes"} << int(ZtMessageBox::Yes);
        QTest::newRow("warning") << 6 << "Warning" << big << QStringList{"MsgBtnOk:Yes"} << int(ZtMessageBox::Yes);
        QTest::newRow("question") << 7 << "Question" << big << QStringList{"MsgBtnOk:Yes", "MsgBtnCancel:No"}
                                  << int(ZtMessageBox::Yes);
        QTest::newRow("skin without icons") << 6 << "" << big << QStringList{"MsgBtnOk:Yes"} << int(ZtMessageBox::Yes);
    }
    void showFunctionsBuildTheirBoxes()
    {
        QFETCH(int, function);
        QFETCH(QString, icon);
        QFETCH(QSize, size);
        QFETCH(QStringList, buttons);
        QFETCH(int, answer);
        const QImage expectedIcon = icon.isEmpty() ? QImage() : QImage(QString("./Skin/DustyBlue/ZtGui/MessageBox/%1.png").arg(icon));
        QCOMPARE(expectedIcon.isNull(), icon.isEmpty());
        if (icon.isEmpty())
            setSkin("NoSuchSkin");
        QSize seenSize;
        QStringList seenButtons;
        QImage seenIcon;
        QString seenTitle;
        QString seenText;
        ::answer("MsgBtnOk", [&](ZtDialog* box) {
            seenSize = box->size();
            seenButtons = describe(buttonsOf(box));
            seenIcon = box->findChild<QLabel*>("msgbox_icon_label")->pixmap(Qt::ReturnByValue).toImage();
            seenTitle = box->GetTitle();
            seenText = box->findChild<QLabel*>("msgbox_label")->text();
        });
        const Buttons okCancel = ZtMessageBox::Ok | ZtMessageBox::Cancel;
        Button result = ZtMessageBox::NoButton;
        switch (function) {
        case 0: result = ZtMessageBox::ShowInformation(nullptr, "Title", "Text"); break;
        case 1: result = ZtMessageBox::ShowInformation(nullptr, "Title", "Text", okCancel); break;
        case 2: result = ZtMessageBox::ShowInformation(nullptr, ZtMessageBox::IconSuccess, "Title", "Text", okCancel, "Go"); break;
        case 3: result = ZtMessageBox::ShowInformation(nullptr, ZtMessageBox::IconType(42), "Title", "Text", ZtMessageBox::Yes); break;
        case 4: result = ZtMessageBox::ShowError(nullptr, "Title", "Text"); break;
        case 5: result = ZtMessageBox::ShowSuccess(nullptr, "Title", "Text"); break;
        case 6: result = ZtMessageBox::ShowWarning(nullptr, "Title", "Text"); break;
        default: result = ZtMessageBox::ShowQuestion(nullptr, "Title", "Text"); break;
        }
        QCOMPARE(int(result), answer);
        QCOMPARE(seenSize, size);
        QCOMPARE(seenButtons, buttons);
        QCOMPARE(seenIcon.convertToFormat(QImage::Format_ARGB32), expectedIcon.convertToFormat(QImage::Format_ARGB32));
        QCOMPARE(seenTitle, QString("Title"));
        QCOMPARE(seenText, QString("Text"));
    }

    // Standard buttons by their rules; custom texts give one accepting and one rejecting button.
    void buttonsFollowTheirRules_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QString>("positive");
        QTest::addColumn<QString>("negative");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("focus");        // index of the button with the keyboard focus
        using B = ZtMessageBox;
        QTest::newRow("ok cancel") << int(B::Ok | B::Cancel) << "" << "" << QStringList{"MsgBtnOk:OK", "MsgBtnCancel:Cancel"} << 0;
        QTest::newRow("ok") << int(B::Ok) << "" << "" << QStringList{"MsgBtnOk:OK"} << 0;
        QTest::newRow("cancel") << int(B::Cancel) << "" << "" << QStringList{"MsgBtnCancel:Cancel"} << 0;
        QTest::newRow("yes no") << int(B::Yes | B::No) << "" << "" << QStringList{"MsgBtnOk:Yes", "MsgBtnCancel:No"} << 0;
        QTest::newRow("no") << int(B::No) << "" << "" << QStringList{"MsgBtnCancel:No"} << 0;
        QTest::newRow("ok yes") << int(B::Ok | B::Yes) << "" << "" << QStringList{"MsgBtnOk:OK", "MsgBtnOk:Yes"} << 1;
        QTest::newRow("cancel no") << int(B::Cancel | B::No) << "" << "" << QStringList{"MsgBtnCancel:Cancel", "MsgBtnCancel:No"} << 1;
        QTest::newRow("ok cancel close") << int(B::Ok | B::Cancel | B::Close) << "" << ""
                                         << QStringList{"MsgBtnOk:OK", "MsgBtnCancel:Cancel", ":Close"} << 2;
        QTest::newRow("close") << int(B::Close) << "" << "" << QStringList{":Close"} << 0;
        QTest::newRow("none") << 0 << "" << "" << QStringList() << -1;
        QTest::newRow("custom yes no") << int(B::Yes | B::No) << "Go" << "" << QStringList{"MsgBtnOk:Go", "MsgBtnCancel:No"} << 0;
        QTest::newRow("custom ok cancel") << int(B::Ok | B::Cancel) << "" << "Stop" << QStringList{"MsgBtnOk:OK", "MsgBtnCancel:Stop"} << 0;
        QTest::newRow("custom, all four") << int(B::Ok | B::Yes | B::Cancel | B::No) << "Go" << "Stop"
                                          << QStringList{"MsgBtnOk:Go", "MsgBtnCancel:Stop"} << 0;
        QTest::newRow("custom, yes only") << int(B::Yes) << "" << "Stop" << QStringList{"MsgBtnOk:Yes"} << 0;
        QTest::newRow("custom, close only") << int(B::Close) << "Go" << "Stop" << QStringList() << -1;
    }
    void buttonsFollowTheirRules()
    {
        QFETCH(int, buttons);
        QFETCH(QString, positive);
        QFETCH(QString, negative);
        QFETCH(QStringList, expected);
        QFETCH(int, focus);
        ZtMessageBox box("Title", "Text", Buttons(buttons), nullptr, ZtDialog::CloseButtonHint, positive, negative);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QList<QPushButton*> shown = buttonsOf(&box);
        QCOMPARE(describe(shown), expected);
        for (QPushButton* button : shown)
            QVERIFY(qobject_cast<ZtPushButton*>(button));
        if (focus >= 0)
            QCOMPARE(box.focusWidget(), shown.at(focus));
        QVERIFY(!box.findChild<QFrame*>("line")->isVisible());
    }

    void buttonsReportAndClose_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QString>("positive");
        QTest::addColumn<QString>("negative");
        QTest::addColumn<QString>("click");        // a button's text
        QTest::addColumn<int>("reported");
        QTest::addColumn<int>("result");
        using B = ZtMessageBox;
        QTest::newRow("ok") << int(B::Ok | B::Cancel) << "" << "" << "OK" << int(B::Ok) << int(QDialog::Accepted);
        QTest::newRow("cancel") << int(B::Ok | B::Cancel) << "" << "" << "Cancel" << int(B::Cancel) << int(QDialog::Rejected);
        QTest::newRow("yes") << int(B::Yes | B::No) << "" << "" << "Yes" << int(B::Yes) << int(QDialog::Accepted);
        QTest::newRow("no") << int(B::Yes | B::No) << "" << "" << "No" << int(B::No) << int(QDialog::Rejected);
        QTest::newRow("close") << int(B::Close) << "" << "" << "Close" << int(B::Close) << int(QDialog::Rejected);
        QTest::newRow("custom yes") << int(B::Yes | B::No) << "Go" << "Stop" << "Go" << int(B::Ok) << int(QDialog::Accepted);
        QTest::newRow("custom no") << int(B::Yes | B::No) << "Go" << "Stop" << "Stop" << int(B::Cancel) << int(QDialog::Rejected);
        QTest::newRow("custom, default no") << int(B::Yes | B::No) << "Go" << "" << "No" << int(B::Cancel) << int(QDialog::Rejected);
        QTest::newRow("custom, default ok") << int(B::Ok | B::Cancel) << "" << "Stop" << "OK" << int(B::Ok) << int(QDialog::Accepted);
    }
    void buttonsReportAndClose()
    {
        QFETCH(int, buttons);
        QFETCH(QString, positive);
        QFETCH(QString, negative);
        QFETCH(QString, click);
        QFETCH(int, reported);
        QFETCH(int, result);
        ZtMessageBox box("Title", "Text", Buttons(buttons), nullptr, ZtDialog::CloseButtonHint, positive, negative);
        QSignalSpy clicked(&box, &ZtMessageBox::SignalButtonClicked);
        answer(click);
        QCOMPARE(box.exec(), result);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(int(clicked.at(0).at(0).value<Button>()), reported);
    }

    void closeOnlyAndNoButtons_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QString>("click");
        QTest::addColumn<int>("expected");
        QTest::newRow("close only") << int(ZtMessageBox::Close) << "Close" << int(ZtMessageBox::Close);
        QTest::newRow("no buttons") << 0 << "pCloseBtn" << int(ZtMessageBox::NoButton);
    }
    void closeOnlyAndNoButtons()
    {
        QFETCH(int, buttons);
        QFETCH(QString, click);
        QFETCH(int, expected);
        answer(click);
        QCOMPARE(int(ZtMessageBox::ShowInformation(nullptr, ZtMessageBox::IconPrompt, "Title", "Text", Buttons(buttons))),
                 expected);
    }

    void iconConstructorShowsItsIcon()
    {
        QPixmap icon(20, 20);
        icon.fill(Qt::red);
        ZtMessageBox box(icon, "Title", "Text", ZtMessageBox::Ok);
        QCOMPARE(box.findChild<QLabel*>("msgbox_icon_label")->pixmap(Qt::ReturnByValue).size(), QSize(20, 20));
        box.SetIconImage(QPixmap());   // a null picture keeps the icon
        QCOMPARE(box.findChild<QLabel*>("msgbox_icon_label")->pixmap(Qt::ReturnByValue).size(), QSize(20, 20));
    }

    void aBoxDeletedFromItsOwnButtonSlot_data()
    {
        QTest::addColumn<bool>("animated");
        QTest::addColumn<QString>("click");
        QTest::newRow("animated ok") << true << "MsgBtnOk";
        QTest::newRow("at once cancel") << false << "MsgBtnCancel";
        QTest::newRow("custom dialog, cancel") << false << "CancelButton";
    }
    void aBoxDeletedFromItsOwnButtonSlot()
    {
        QFETCH(bool, animated);
        QFETCH(QString, click);
        const bool custom = click == "CancelButton";
        QPointer<ZtDialog> box;
        if (custom) {
            auto* dialog = new ZtCustomDialog(ZtCustomDialog::Ok | ZtCustomDialog::Cancel);
            connect(dialog, &ZtCustomDialog::SignalCancelButtonClicked, dialog, [&box] { delete box; });
            box = dialog;
        } else {
            auto* message = new ZtMessageBox("Title", "Text", ZtMessageBox::Ok | ZtMessageBox::Cancel);
            connect(message, &ZtMessageBox::SignalButtonClicked, message, [&box] { delete box; });
            box = message;
        }
        box->SetCloseAnimaEnable(animated);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.data()));
        QTest::mouseClick(box->findChild<QPushButton*>(click), Qt::LeftButton);
        QVERIFY(box.isNull());
        // Let any pending close step run against the deleted box.
        ZtDialog witness;
        witness.show();
        QSignalSpy finished(&witness, &QDialog::finished);
        witness.accept();
        QVERIFY(finished.wait(3000));
    }

    void customDialogButtonsOrderNamesAndFocus_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QStringList>("expected");
        using C = ZtCustomDialog;
        QTest::newRow("all") << int(C::Ok | C::Other | C::Cancel)
                             << QStringList{"OtherButton:Other", "OkButton:OK", "CancelButton:Cancel"};
        QTest::newRow("ok cancel") << int(C::Ok | C::Cancel) << QStringList{"OkButton:OK", "CancelButton:Cancel"};
        QTest::newRow("other") << int(C::Other) << QStringList{"OtherButton:Other"};
        QTest::newRow("none") << 0 << QStringList();
    }
    void customDialogButtonsOrderNamesAndFocus()
    {
        QFETCH(int, buttons);
        QFETCH(QStringList, expected);
        ZtCustomDialog dialog{QFlags<ZtCustomDialog::StandardButton>(buttons)};
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QList<QPushButton*> shown = buttonsOf(&dialog);
        QCOMPARE(describe(shown), expected);
        for (QPushButton* button : shown) {
            const bool secondary = button->objectName() != "OkButton";
            QCOMPARE(bool(qobject_cast<ZtSubPushButton*>(button)), secondary);
        }
        if (buttons & ZtCustomDialog::Ok)
            QCOMPARE(dialog.focusWidget(), dialog.findChild<QPushButton*>("OkButton"));
        QWidget* frame = dialog.GetCentralWidget();
        QCOMPARE(frame->objectName(), QString("CentralFrame"));
        const auto lines = frame->parentWidget()->findChildren<QFrame*>("line", Qt::FindDirectChildrenOnly);
        QCOMPARE(lines.size(), buttons ? 1 : 0);
        if (buttons)
            QCOMPARE(lines.first()->styleSheet(), QString("color:#e3e3e3;"));
    }

    void customDialogOkStaysOpenAndCancelRejectsAfterItsSignal()
    {
        ZtCustomDialog dialog(ZtCustomDialog::Ok | ZtCustomDialog::Other | ZtCustomDialog::Cancel);
        QSignalSpy ok(&dialog, &ZtCustomDialog::SignalOkButtonClicked);
        QSignalSpy other(&dialog, &ZtCustomDialog::SignalOtherButtonClicked);
        QSignalSpy finished(&dialog, &QDialog::finished);
        int finishedAtCancel = -1;
        connect(&dialog, &ZtCustomDialog::SignalCancelButtonClicked, this, [&] { finishedAtCancel = finished.count(); });
        bool openAfterOk = false;
        QTimer::singleShot(0, &dialog, [&] {
            QTest::mouseClick(dialog.findChild<QPushButton*>("OkButton"), Qt::LeftButton);
            QTest::mouseClick(dialog.findChild<QPushButton*>("OtherButton"), Qt::LeftButton);
            openAfterOk = dialog.isVisible() && finished.isEmpty();
            QTest::mouseClick(dialog.findChild<QPushButton*>("CancelButton"), Qt::LeftButton);
        });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QCOMPARE(ok.count(), 1);
        QCOMPARE(other.count(), 1);
        QVERIFY(openAfterOk);
        QCOMPARE(finishedAtCancel, 0);
    }

    void customDialogButtonSettersSkipMissingButtons()
    {
        ZtCustomDialog dialog(ZtCustomDialog::Ok);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* okButton = dialog.findChild<QPushButton*>("OkButton");
        dialog.SetButtonText(ZtCustomDialog::Ok | ZtCustomDialog::Other, "Apply");
        QCOMPARE(okButton->text(), QString("Apply"));
        dialog.SetButtonEnable(ZtCustomDialog::Ok | ZtCustomDialog::Cancel, false);
        QVERIFY(!okButton->isEnabled());
        dialog.SetButtonVisible(ZtCustomDialog::Ok | ZtCustomDialog::Cancel, false);
        QVERIFY(!okButton->isVisible());
        dialog.SetButtonVisible(ZtCustomDialog::Cancel, true);
        QVERIFY(!okButton->isVisible());
    }

    // The boxes lay out their central frames themselves: the base class's call refuses to break that.
    void addCentralWidgetThroughTheBaseIsRefused_data()
    {
        QTest::addColumn<bool>("messageBox");
        QTest::newRow("custom dialog") << false;
        QTest::newRow("message box") << true;
    }
    void addCentralWidgetThroughTheBaseIsRefused()
    {
        QFETCH(bool, messageBox);
        const std::unique_ptr<ZtDialog> dialog(messageBox ? static_cast<ZtDialog*>(new ZtMessageBox("Title", "Text", ZtMessageBox::Ok))
                                                          : new ZtCustomDialog(ZtCustomDialog::Ok));
        const QLayout* own = dialog->GetCentralWidget()->layout();
        QTextEdit content;
        QTest::ignoreMessage(QtWarningMsg, qPrintable(QString("ZtDialog::AddCentralWidget: %1 lays out its central frame itself")
                                                          .arg(dialog->metaObject()->className())));
        dialog->AddCentralWidget(&content);
        QVERIFY(!content.parentWidget());
        QCOMPARE(dialog->GetCentralWidget()->layout(), own);
    }
};

QTEST_MAIN(tst_MessageBox)
#include "tst_messagebox.moc"
