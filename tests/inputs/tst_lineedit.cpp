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

    // Mode, limit, whether input stops there, typed, kept, in error; a paste is cut one UTF-16 unit
    // at a time with no error, as setText() does it: no undo brings the cut text back.
    void typingAndPastingAtTheByteLimit()
    {
        const auto local = ZtLineEdit::CodeTypeLocal8Bit, wide = ZtLineEdit::CodeTypeWideAscii;
        const auto utf8 = ZtLineEdit::CodeTypeUtf8;
        const QString cjk = QString::fromUtf8("ab\u4e2d"), emoji = QString::fromUtf8("a\U0001F600");
        const QList<std::tuple<ZtLineEdit::CharByteNumType, int, bool, QString, QString, bool>> cases{
            {utf8, 4, false, "abcd", "abcd", false},      {utf8, 4, false, "abcde", "abcde", true},
            {utf8, 4, false, cjk, cjk, true},             {utf8, 5, false, cjk, cjk, false},
            {wide, 7, false, cjk, cjk, false},            {wide, 6, false, cjk, cjk, true},
            {utf8, 6, false, emoji, emoji, true},         {local, 5, false, emoji, emoji, false},
            {utf8, 4, true, "abcdefg", "abcd", false},    {utf8, 4, true, cjk + "c", "abc", false},
            {wide, 6, true, cjk, "ab", false},            {local, 8, true, emoji + emoji.mid(1), emoji + emoji.at(1), false},
            {utf8, 4, true, QString::fromUtf8("abce\u0301"), "abce", false}};
        Form form;
        for (const auto& [mode, limit, stop, typed, kept, error] : cases) {
            form.edit->clear();
            form.edit->setCodeType(mode);
            form.edit->setLimitText(limit, kLimitHint);
            form.edit->setExceedMaxStopInput(stop);
            cleanup();
            type(form.edit, typed);
            QCOMPARE(form.edit->text(), kept);
            QCOMPARE(form.edit->property("error").toBool(), error);
            QCOMPARE(bubbleShown() ? bubbleText() : QString(), error ? QString(kLimitHint) : QString());
            QCOMPARE(form.edit->JudgeErrorState(), !error);
        }
        form.edit->setExceedMaxStopInput(true); // NUL, which the clipboard does not carry, is set directly
        const QList<std::tuple<ZtLineEdit::CharByteNumType, int, QString, QString>> pastes{
            {utf8, 10, QString(10000, 'x'), QString(10, 'x')},
            {local, 6, QString::fromUtf8("abc\U0001F600\U0001F600"), QString("abc") + emoji.at(1)},
            {utf8, 6, QString::fromUtf8("abce\u0301\u0301f"), "abce"},
            {utf8, 8, QString::fromUtf8("ab\0cd", 5), QString::fromUtf8("ab\0c", 4)}};
        for (const auto& [mode, limit, pasted, kept] : pastes) {
            form.edit->clear();
            form.edit->setCodeType(mode);
            form.edit->setLimitText(limit, kLimitHint);
            QSignalSpy changes(form.edit, &QLineEdit::textChanged);
            pasted.contains(QChar(0)) ? form.edit->setText(pasted) : paste(form.edit, pasted);
            QCOMPARE(form.edit->text(), kept);
            QVERIFY2(changes.count() < 300, "a long paste is not cut one unit per change all the way");
            QVERIFY(!form.edit->errorState() && form.edit->JudgeErrorState());
        }
        // Each cut is a change of its own made by setText(): no edit, the cursor at the end, no undo.
        form.edit->clear();
        form.edit->setLimitText(4, kLimitHint);
        form.edit->setText("abd");
        form.edit->showErrorHint(true, kLimitHint);     // an error a host has shown stays
        QSignalSpy changed(form.edit, &QLineEdit::textChanged), edited(form.edit, &QLineEdit::textEdited);
        form.edit->setText("abcdefg");
        QStringList texts;
        for (const QVariantList& args : qAsConst(changed))
            texts << args.at(0).toString();
        texts.sort();                               // the original reaches a later slot last
        QCOMPARE(texts, QStringList({"abcd", "abcde", "abcdef", "abcdefg"}));
        QCOMPARE(edited.count(), 0);
        QVERIFY(form.edit->errorState());
        form.edit->setCursorPosition(2);
        type(form.edit, "x");
        QCOMPARE(form.edit->text(), QString("abxc"));
        QCOMPARE(form.edit->cursorPosition(), 4);
        QVERIFY(!form.edit->isUndoAvailable());
        QCOMPARE(edited.count(), 1);
        QCOMPARE(changed.count(), 6);
    }

    // The whole text must match; an empty text never does; a malformed or empty pattern is none.
    void patternMustMatchTheWholeText()
    {
        const QString ip = QString::fromWCharArray(kIPv4), name = "[A-Za-z][A-Za-z0-9_]{2,15}";
        const QList<std::tuple<QString, QString, bool>> cases{
            {ip, "192.168.1.20", true},       {ip, "192.168.1.256", false},  {ip, "x10.0.0.1", false},
            {name, "Camera_7", true},         {name, "7Camera", false},
            {"a.b", QString::fromUtf8("a\U0001F600b"), false},              {"a..b", QString::fromUtf8("a\U0001F600b"), true},
            {QString::fromUtf8("a\U0001F600b"), QString::fromUtf8("a\U0001F600b"), true},   {"\\d*", QString(), false},
            {"[a-z]+", QString(10000, 'a'), true}, {"[a-z]+", QString(10000, 'a') + '7', false}, {"([a-z", "abc", true}};
        for (const auto& [pattern, typed, valid] : cases) {
            Form form;
            if (pattern == "([a-z")
                QTest::ignoreMessage(QtWarningMsg, "---ZtGUI--- ZtLineEdit::setRegExpValidator: invalid pattern ([a-z");
            form.edit->setRegExpValidator(pattern.toStdWString().c_str(), kPatternHint);
            typed.size() > 100 ? paste(form.edit, typed) : type(form.edit, typed);
            QCOMPARE(form.edit->text(), typed);
            QCOMPARE(form.edit->errorState(), !valid && !typed.isEmpty()); // typing skips an empty text
            QCOMPARE(form.edit->JudgeErrorState(), valid);
            QCOMPARE(form.edit->errorState(), !valid);
            QCOMPARE(bubbleShown() ? bubbleText() : QString(), valid ? QString() : QString(kPatternHint));
            form.edit->setRegExpValidator(L"", "other");
            QVERIFY(form.edit->JudgeErrorState());
            cleanup();
        }
    }

    // The bubble sits right, left, top, bottom, else top, for a time all fields share; the error state
    // is what a style sheet sees; a left press is a click, which a host may answer by deleting the field.
    void theErrorShowsInTheBubbleAndToStyleSheets()
    {
        Form form;
        form.edit->setLimitText(2, kLimitHint);
        const QRect field = form.edit->geometry();
        const int sides[] = {ZtLineEdit::HintRight, ZtLineEdit::HintLeft, ZtLineEdit::HintTop, ZtLineEdit::HintBottom, 7};
        for (int side : sides) {
            form.edit->clear();
            form.edit->setShowErrorHintPosition(ZtLineEdit::ErrorHintDisplayPosition(side));
            type(form.edit, "abc");
            QVERIFY(bubbleShown());
            QCOMPARE(bubbleText(), QString(kLimitHint));
            const QSize size = bubble()->size();
            const QPoint expected[] = {{field.right() + 5, field.top()},
                                       {field.left() - size.width() - 5, field.top()},
                                       {field.left(), field.top() - size.height()},
                                       {field.left(), field.bottom()}};
            QCOMPARE(bubble()->pos(), form.window.mapToGlobal(expected[side == 7 ? ZtLineEdit::HintTop : side]));
        }
        ZtLineEdit other(&form.window);
        other.setShowErrorHintTime(50);
        form.edit->showErrorHint(true, kLimitHint);
        QVERIFY(bubbleShown());
        QTRY_VERIFY(!bubbleShown());
        form.edit->setShowErrorHintTime(3000);
        form.edit->clear();
        form.window.setStyleSheet("ZtGUI--ZtLineEdit { background: rgb(255, 255, 255); border: none; }"
                                  "ZtGUI--ZtLineEdit[error=\"true\"] { background: rgb(200, 0, 0); }");
        form.edit->setLimitText(3, kLimitHint);
        QTRY_VERIFY(!bubbleShown());
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
        // A left press is a click, which a host may answer by deleting the field.
        QPointer<ZtLineEdit> edit = form.edit;
        QSignalSpy clicked(form.edit, &ZtLineEdit::clicked);
        KitraTest::click(form.edit, QPoint(10, 10), Qt::RightButton);
        QCOMPARE(clicked.count(), 0);
        KitraTest::press(form.edit, QPoint(10, 10));
        QCOMPARE(clicked.count(), 1);
        KitraTest::release(form.edit, QPoint(10, 10));
        connect(form.edit, &ZtLineEdit::clicked, form.edit, [&edit] { delete edit; }); // as a host may
        KitraTest::press(form.edit, QPoint(10, 10));
        QVERIFY(edit.isNull());
    }
};

QTEST_MAIN(tst_LineEdit)
#include "tst_lineedit.moc"
