// The validating line edit: byte limits per counting mode, cutting at the limit, patterns, the
// error state and its hint bubble, as a user types, pastes, undoes and clicks.
#include "KitraTest.h"

#include <QClipboard>
#include <QTextCodec>
#include "ZtLineEdit.h"
#include "ZtSetting.h"

using namespace ZtGUI;

namespace {

const char* const kLimitHint = "Too long";
const char* const kPatternHint = "Not an address";
const wchar_t* const kIPv4 = L"((25[0-5]|2[0-4]\\d|1?\\d?\\d)\\.){3}(25[0-5]|2[0-4]\\d|1?\\d?\\d)";

// Typing as a keyboard delivers it: one key event per character, a surrogate pair in one event.
void type(QWidget* widget, const QString& text)
{
    for (int i = 0; i < text.size();) {
        const int units = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, units), Qt::NoModifier);
        i += units;
    }
}

void paste(QWidget* widget, const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
}

// The one tip bubble that every field shares (internal to the library, found by its class).
QWidget* bubble()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto found = std::find_if(windows.cbegin(), windows.cend(),
                                    [](QWidget* w) { return w->inherits("ZtGUI::ZtTipLabel"); });
    return found == windows.cend() ? nullptr : *found;
}
bool bubbleShown() { return bubble() && bubble()->isVisible(); }
QString bubbleText() { return bubble()->findChild<QTextEdit*>("m_tipLabel")->toPlainText(); }

// No lone surrogate: the text survives a round trip through UTF-8 unchanged.
bool wellFormed(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return QString::fromUtf8(utf8.constData(), utf8.size()) == text;
}

// A shown host window with one field, as a form holds it.
struct Form
{
    QWidget window;
    ZtLineEdit* edit = new ZtLineEdit(&window);
    Form()
    {
        window.resize(500, 300);
        edit->setGeometry(150, 130, 160, 24);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
};

} // namespace

Q_DECLARE_METATYPE(ZtLineEdit::CharByteNumType)

class tst_LineEdit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        KitraTest::failOnUnexpectedWarnings();
        QString skin = QStringLiteral("DustyBlue");
        SetSkinVersion(skin);
        // The local 8-bit encoding of the machine running the test must not decide the counts.
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    }

    void cleanup()
    {
        if (bubble())
            bubble()->hide();
    }

    void typingAtTheByteLimit_data()
    {
        QTest::addColumn<ZtLineEdit::CharByteNumType>("mode");
        QTest::addColumn<int>("limit");
        QTest::addColumn<bool>("stop");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<bool>("error");
        const auto local = ZtLineEdit::CodeTypeLocal8Bit, wide = ZtLineEdit::CodeTypeWideAscii, utf8 = ZtLineEdit::CodeTypeUtf8;
        const QString cjk = QString::fromUtf8("ab\u4e2d"), emoji = QString::fromUtf8("a\U0001F600");
        QTest::newRow("utf8 ascii at limit") << utf8 << 4 << false << "abcd" << "abcd" << false;
        QTest::newRow("utf8 ascii one over") << utf8 << 4 << false << "abcde" << "abcde" << true;
        QTest::newRow("utf8 cjk over") << utf8 << 4 << false << cjk << cjk << true;
        QTest::newRow("utf8 cjk at limit") << utf8 << 5 << false << cjk << cjk << false;
        QTest::newRow("wide cjk at limit") << wide << 7 << false << cjk << cjk << false;
        QTest::newRow("wide cjk over") << wide << 6 << false << cjk << cjk << true;
        QTest::newRow("utf8 emoji counts two units") << utf8 << 6 << false << emoji << emoji << true;
        QTest::newRow("local emoji at limit") << local << 5 << false << emoji << emoji << false;
        QTest::newRow("stop ascii") << utf8 << 4 << true << "abcdefg" << "abcd" << false;
        QTest::newRow("stop cjk, then ascii fits") << utf8 << 4 << true << cjk + "c" << "abc" << false;
        QTest::newRow("stop wide cjk") << wide << 6 << true << cjk << "ab" << false;
        QTest::newRow("stop emoji whole") << local << 8 << true << emoji + emoji.mid(1) << emoji << false;
        QTest::newRow("stop combining mark") << utf8 << 4 << true << QString::fromUtf8("abce\u0301") << "abc" << false;
    }
    void typingAtTheByteLimit()
    {
        QFETCH(ZtLineEdit::CharByteNumType, mode);
        QFETCH(int, limit);
        QFETCH(bool, stop);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(bool, error);
        Form form;
        form.edit->setCodeType(mode);
        form.edit->setLimitText(limit, kLimitHint);
        form.edit->setExceedMaxStopInput(stop);
        type(form.edit, typed);
        QCOMPARE(form.edit->text(), kept);
        QCOMPARE(form.edit->property("error").toBool(), error);
        QCOMPARE(bubbleShown(), error);
        if (error)
            QCOMPARE(bubbleText(), QString(kLimitHint));
        QCOMPARE(form.edit->JudgeErrorState(), !error);
    }

    void pasteIsCutOnAWholeCharacter_data()
    {
        QTest::addColumn<ZtLineEdit::CharByteNumType>("mode");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("kept");
        const QString marks = QString::fromUtf8("abce\u0301\u0301f");
        QTest::newRow("10000 characters") << ZtLineEdit::CodeTypeUtf8 << 10 << QString(10000, 'x') << QString(10, 'x');
        QTest::newRow("surrogate pair at the limit")
            << ZtLineEdit::CodeTypeLocal8Bit << 6 << QString::fromUtf8("abc\U0001F600\U0001F600") << "abc";
        QTest::newRow("combining marks at the limit") << ZtLineEdit::CodeTypeUtf8 << 6 << marks << "abc";
        QTest::newRow("NUL: wide after it") << ZtLineEdit::CodeTypeUtf8 << 8 << QString::fromUtf8("ab\0cd", 5)
                                            << QString::fromUtf8("ab\0c", 4);
    }
    void pasteIsCutOnAWholeCharacter()
    {
        QFETCH(ZtLineEdit::CharByteNumType, mode);
        QFETCH(int, limit);
        QFETCH(QString, pasted);
        QFETCH(QString, kept);
        Form form;
        form.edit->setCodeType(mode);
        form.edit->setLimitText(limit, kLimitHint);
        form.edit->setExceedMaxStopInput(true);
        if (pasted.contains(QChar(0)))
            form.edit->setText(pasted);     // NUL does not travel through the clipboard
        else
            paste(form.edit, pasted);
        QCOMPARE(form.edit->text(), kept);
        QVERIFY(wellFormed(form.edit->text()));
        QVERIFY(!form.edit->errorState());
        QVERIFY(form.edit->JudgeErrorState());
    }

    void cutKeepsTheCursorAndTheUndoHistory()
    {
        Form form;
        form.edit->setCodeType(ZtLineEdit::CodeTypeUtf8);
        form.edit->setLimitText(4, kLimitHint);
        form.edit->setExceedMaxStopInput(true);
        type(form.edit, "abd");
        form.edit->setCursorPosition(2);
        type(form.edit, "c");
        QCOMPARE(form.edit->text(), QString("abcd"));
        QCOMPARE(form.edit->cursorPosition(), 3);
        type(form.edit, "x");                       // inside the text: the end goes
        QCOMPARE(form.edit->text(), QString("abcx"));
        QCOMPARE(form.edit->cursorPosition(), 4);
        paste(form.edit, "yz");
        QCOMPARE(form.edit->text(), QString("abcx"));
        // Each undo goes back past a cut instead of bringing the over-long text back for good.
        const auto undo = [&form] { QTest::keyClick(form.edit, Qt::Key_Z, Qt::ControlModifier); return form.edit->text(); };
        const auto redo = [&form] { QTest::keyClick(form.edit, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); return form.edit->text(); };
        QCOMPARE(undo(), QString("abcx"));      // the paste
        QCOMPARE(undo(), QString("abd"));       // the typed c and x
        QCOMPARE(redo(), QString("abcx"));
        QCOMPARE(redo(), QString("abcx"));
        QVERIFY(!form.edit->isRedoAvailable());
    }

    void patternMustMatchTheWholeText_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("warning");
        const QString ip = QString::fromWCharArray(kIPv4), name = "[A-Za-z][A-Za-z0-9_]{2,15}";
        QTest::newRow("address") << ip << "192.168.1.20" << true << QString();
        QTest::newRow("octet too big") << ip << "192.168.1.256" << false << QString();
        QTest::newRow("address inside more text") << ip << "x10.0.0.1" << false << QString();
        QTest::newRow("name") << name << "Camera_7" << true << QString();
        QTest::newRow("name starting with a digit") << name << "7Camera" << false << QString();
        QTest::newRow("one character per emoji") << "a.b" << QString::fromUtf8("a\U0001F600b") << true << QString();
        QTest::newRow("empty text never matches") << "\\d*" << QString() << false << QString();
        QTest::newRow("10000 letters pasted") << "[a-z]+" << QString(10000, 'a') << true << QString();
        QTest::newRow("10000 letters and a digit") << "[a-z]+" << QString(10000, 'a') + '7' << false << QString();
        QTest::newRow("malformed: no rule") << "([a-z" << "abc" << true
                                            << "---ZtGUI--- ZtLineEdit::setRegExpValidator: invalid pattern ([a-z";
    }
    void patternMustMatchTheWholeText()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, typed);
        QFETCH(bool, valid);
        QFETCH(QString, warning);
        Form form;
        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
        form.edit->setRegExpValidator(pattern.toStdWString().c_str(), kPatternHint);
        if (typed.size() > 100)
            paste(form.edit, typed);
        else
            type(form.edit, typed);
        QCOMPARE(form.edit->text(), typed);
        QCOMPARE(form.edit->errorState(), !valid && !typed.isEmpty());    // typing skips an empty text
        QCOMPARE(form.edit->JudgeErrorState(), valid);
        QCOMPARE(form.edit->errorState(), !valid);
        QCOMPARE(bubbleShown(), !valid);
        if (!valid)
            QCOMPARE(bubbleText(), QString(kPatternHint));
        form.edit->setRegExpValidator(L"", "other");
        QVERIFY(form.edit->JudgeErrorState());      // an empty pattern switches the check off
    }

    void hintBubbleSitsOnTheChosenSide_data()
    {
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("shownSide");
        QTest::newRow("right") << int(ZtLineEdit::HintRight) << 0;
        QTest::newRow("left") << int(ZtLineEdit::HintLeft) << 1;
        QTest::newRow("top") << int(ZtLineEdit::HintTop) << 2;
        QTest::newRow("bottom") << int(ZtLineEdit::HintBottom) << 3;
        QTest::newRow("7 falls back to top") << 7 << 2;
    }
    void hintBubbleSitsOnTheChosenSide()
    {
        QFETCH(int, side);
        QFETCH(int, shownSide);
        Form form;
        form.edit->setShowErrorHintPosition(ZtLineEdit::ErrorHintDisplayPosition(side));
        form.edit->setLimitText(2, kLimitHint);
        type(form.edit, "abc");
        QVERIFY(bubbleShown());
        const QRect field = form.edit->geometry();
        const QSize size = bubble()->size();
        const QPoint expected[] = {{field.right() + 5, field.top()},
                                   {field.left() - size.width() - 5, field.top()},
                                   {field.left(), field.top() - size.height()},
                                   {field.left(), field.bottom()}};
        QCOMPARE(bubble()->pos(), form.window.mapToGlobal(expected[shownSide]));
        QCOMPARE(bubbleText(), QString(kLimitHint));
    }

    void errorStateIsWhatAStyleSheetSees()
    {
        Form form;
        form.window.setStyleSheet("ZtGUI--ZtLineEdit { background: rgb(255, 255, 255); border: none; }"
                                  "ZtGUI--ZtLineEdit[error=\"true\"] { background: rgb(200, 0, 0); }");
        form.edit->setLimitText(3, kLimitHint);
        const auto fill = [&form] { return form.edit->grab().toImage().pixelColor(form.edit->width() - 3, 3); };
        type(form.edit, "abc");
        QCOMPARE(fill(), QColor(255, 255, 255));
        type(form.edit, "d");
        QCOMPARE(fill(), QColor(200, 0, 0));
        type(form.edit, "e");       // the next key clears the error even though still too long
        QCOMPARE(fill(), QColor(200, 0, 0));
        QTest::keyClick(form.edit, Qt::Key_Backspace);
        QTest::keyClick(form.edit, Qt::Key_Backspace);
        QCOMPARE(form.edit->text(), QString("abc"));
        QCOMPARE(fill(), QColor(255, 255, 255));
        QVERIFY(!bubbleShown());
    }

    void bubbleDisplayTimeIsShared()
    {
        Form form;
        ZtLineEdit other(&form.window);
        other.setShowErrorHintTime(50);
        form.edit->showErrorHint(true, kLimitHint);
        QVERIFY(bubbleShown());
        QTRY_VERIFY(!bubbleShown());
        form.edit->setShowErrorHintTime(3000);
    }

    void leftPressEmitsClicked_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<bool>("deleteInSlot");
        QTest::newRow("left") << int(Qt::LeftButton) << 1 << false;
        QTest::newRow("right") << int(Qt::RightButton) << 0 << false;
        QTest::newRow("left, host deletes the field") << int(Qt::LeftButton) << 1 << true;
    }
    void leftPressEmitsClicked()
    {
        QFETCH(int, button);
        QFETCH(int, clicks);
        QFETCH(bool, deleteInSlot);
        Form form;
        QPointer<ZtLineEdit> edit = form.edit;
        QSignalSpy clicked(form.edit, &ZtLineEdit::clicked);
        if (deleteInSlot)
            connect(form.edit, &ZtLineEdit::clicked, form.edit, [&edit] { delete edit; });
        KitraTest::press(form.edit, QPoint(10, 10), Qt::MouseButton(button));
        if (edit)
            KitraTest::release(form.edit, QPoint(10, 10), Qt::MouseButton(button));
        QCOMPARE(clicked.count(), clicks);
        QCOMPARE(edit.isNull(), deleteInSlot);
    }
};

QTEST_MAIN(tst_LineEdit)
#include "tst_lineedit.moc"
