// GCC 12 sees a false "may be used uninitialized" inside libstdc++'s regex compiler, which this
// file instantiates.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

#include "ZtLineEdit.h"
#include "ZtLineEdit_p.h"

#include <QMouseEvent>
#include <QPointer>
#include <QStyle>
#include "KitraGuard_p.h"
#include "KitraCompat_p.h"
#include "ZtTipLabel.h"

namespace ZtGUI {

namespace {

const int kOneByOneCuts = 256;     // units over the limit that a cut takes away one change at a time

// A text as its UTF-16 units, one wide character each, whatever the width of wchar_t: a character
// beyond the BMP is two units to the pattern, as it is to the field.
std::wstring utf16Units(const QString& text)
{
    std::wstring units;
    units.reserve(size_t(text.size()));
    for (const QChar c : text)
        units.push_back(wchar_t(c.unicode()));
    return units;
}

// The shared bubble once a line edit has used it. Hiding does not create it, so that a field built
// before the host has set its skin does not build the bubble without the skin's colours.
QPointer<ZtTipLabel>& usedBubble()
{
    static QPointer<ZtTipLabel> bubble;
    return bubble;
}

ZtTipLabel* bubble()
{
    return usedBubble() = ZtTipLabel::Instance();
}

void hideBubble()
{
    if (usedBubble())
        usedBubble()->hide();
}

// Compiles an ECMAScript pattern; throws std::regex_error for a malformed one. libstdc++ matches
// by backtracking by default, recursing once per character, so that a long paste overflows the
// stack; its polynomial mode keeps the depth to the pattern's size. Only back-references need
// backtracking.
std::unique_ptr<std::wregex> compilePattern(const std::wstring& wide)
{
    const std::wstring pattern = utf16Units(QString::fromStdWString(wide));
#if defined(__GLIBCXX__)
    try {
        return std::make_unique<std::wregex>(pattern, std::regex_constants::ECMAScript | std::regex_constants::__polynomial);
    } catch (const std::regex_error&) {
        // a back-reference, or malformed: the plain compile below tells
    }
#endif
    return std::make_unique<std::wregex>(pattern, std::regex_constants::ECMAScript);
}

} // namespace

ZtLineEdit::ZtLineEdit(QWidget* parent)
    : QLineEdit(parent)
    , d_ptr(new ZtLineEditPrivate)
{
    hideBubble();
    connect(this, &QLineEdit::textEdited, this, &ZtLineEdit::OntextEdited);
    connect(this, &QLineEdit::textChanged, this, &ZtLineEdit::OnEditChanged);
}

ZtLineEdit::~ZtLineEdit() = default;

void ZtLineEdit::setLimitText(int limit, QString hint)
{
    Q_D(ZtLineEdit);
    d->limit = limit;
    d->limitHint = hint;
}

void ZtLineEdit::setCodeType(CharByteNumType type)
{
    d_func()->codeType = type;
}

void ZtLineEdit::setExceedMaxStopInput(bool stop)
{
    d_func()->stopAtLimit = stop;
}

void ZtLineEdit::setRegExpValidator(const wchar_t* pattern, QString hint)
{
    Q_D(ZtLineEdit);
    d->pattern = pattern ? std::wstring(pattern) : std::wstring();
    d->regex.reset();
    if (d->pattern.empty())
        return;
    try {
        d->regex = compilePattern(d->pattern);
    } catch (const std::regex_error&) {
        // The field keeps working without a pattern rule rather than rejecting every text.
        qWarning("---ZtGUI--- ZtLineEdit::setRegExpValidator: invalid pattern %s",
                 qUtf8Printable(QString::fromStdWString(d->pattern)));
        d->pattern.clear();
        d->regexEnabled = false;
        return;
    }
    d->regexEnabled = true;
    d->regexHint = hint;
}

void ZtLineEdit::setShowErrorHintPosition(ErrorHintDisplayPosition position)
{
    d_func()->hintPosition = position;
}

void ZtLineEdit::setShowErrorHintTime(int milliseconds)
{
    bubble()->SetShowTime(milliseconds);
}

bool ZtLineEdit::JudgeErrorState()
{
    Q_D(ZtLineEdit);
    showErrorHint(false, QString());
    if (exceedsLimit(text())) {
        showErrorHint(true, d->limitHint);
        return false;
    }
    if (d->regexEnabled && !d->pattern.empty() && !isRegexMatch(text())) {
        showErrorHint(true, d->regexHint);
        return false;
    }
    return true;
}

void ZtLineEdit::showErrorHint(bool show, QString hint)
{
    Q_D(ZtLineEdit);
    if (!show) {
        hideBubble();
        d->errorState = false;
        repolish();
        return;
    }
    d->errorState = true;
    repolish();
    if (d->hintPosition < HintRight || d->hintPosition > HintBottom)
        d->hintPosition = HintTop;
    bubble()->ShowTip(this, hint, d->hintPosition);
    // Last: a host may delete the field from its selectionChanged slot.
    selectAll();
}

bool ZtLineEdit::errorState() const
{
    return d_func()->errorState;
}

void ZtLineEdit::setErrorState(bool error)
{
    d_func()->errorState = error;
    repolish();
}

void ZtLineEdit::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && !EmitAlive(this, &ZtLineEdit::clicked))
        return;
    QLineEdit::mousePressEvent(event);
}

void ZtLineEdit::OntextEdited(QString)
{
    Q_D(ZtLineEdit);
    if (!d->errorState)
        return;
    hideBubble();
    d->errorState = false;
    repolish();
}

void ZtLineEdit::OnEditChanged(QString text)
{
    Q_D(ZtLineEdit);
    // The cuts' own changes come back here while cutToLimit() checks each of them itself.
    if (d->cutting || !sender())
        return;
    if (d->stopAtLimit && !cutToLimit(text))
        return;
    if (text.isEmpty())
        return;
    if (exceedsLimit(text))
        showErrorHintKeepingCursor(d->limitHint);
    else if (d->regexEnabled && !d->pattern.empty() && !isRegexMatch(text))
        showErrorHintKeepingCursor(d->regexHint);
}

// Cuts the last UTF-16 unit off through setText() until `text` fits, so that a host sees one change
// per unit. A loop rather than a new check from each change keeps the depth flat for a long paste.
// false when a host deleted the field from its textChanged slot.
bool ZtLineEdit::cutToLimit(QString& text)
{
    Q_D(ZtLineEdit);
    const QPointer<ZtLineEdit> alive(this);
    const auto cutTo = [&](int length) {
        d->cutting = true;
        setText(text.left(length));
        if (!alive)
            return false;
        d->cutting = false;
        text = this->text();    // a host's slot may have set a text of its own
        return true;
    };
    // Each unit goes in a change of its own, as typing over the limit shows it; a paste far over
    // the limit first loses all but the last units in one change, so that a long paste does not
    // cost the square of its length.
    if (text.size() > kOneByOneCuts) {
        int fits = 0;
        for (int over = text.size(); fits < over;) {
            const int middle = (fits + over + 1) / 2;
            if (exceedsLimit(text.left(middle)))
                over = middle - 1;
            else
                fits = middle;
        }
        if (fits + kOneByOneCuts < text.size() && !cutTo(fits + kOneByOneCuts))
            return false;
    }
    while (d->stopAtLimit && exceedsLimit(text)) {
        if (!cutTo(text.size() - 1))
            return false;
    }
    return true;
}

void ZtLineEdit::showErrorHintKeepingCursor(const QString& hint)
{
    const int cursor = cursorPosition();
    const QPointer<ZtLineEdit> alive(this);
    showErrorHint(true, hint);
    if (alive)
        setCursorPosition(cursor);
}

bool ZtLineEdit::exceedsLimit(const QString& text) const
{
    Q_D(const ZtLineEdit);
    return d->limit > 0 && byteLength(text) > d->limit;
}

qint64 ZtLineEdit::byteLength(const QString& text) const
{
    Q_D(const ZtLineEdit);
    if (d->codeType != CodeTypeWideAscii && d->codeType != CodeTypeUtf8)
        return KitraCompat::ToLocal8Bit(text).size();
    const qint64 units = text.size();
    qint64 ascii = 0;
    for (const QChar c : text) {
        if (c.isNull())
            break;
        if (c.unicode() < 0x80)
            ++ascii;
    }
    return 3 * (units - ascii) + (d->codeType == CodeTypeUtf8 ? ascii : 2 * ascii);
}

bool ZtLineEdit::isRegexMatch(const QString& text) const
{
    Q_D(const ZtLineEdit);
    if (text.isEmpty() || !d->regex)
        return false;
    try {
        return std::regex_match(utf16Units(text), *d->regex);
    } catch (const std::regex_error&) {
        // Too complex to decide for this text: the rule does not hold the user back.
        qWarning("---ZtGUI--- ZtLineEdit: pattern %s cannot be matched",
                 qUtf8Printable(QString::fromStdWString(d->pattern)));
        return true;
    }
}

void ZtLineEdit::repolish()
{
    style()->unpolish(this);
    style()->polish(this);
    update();
}

} // namespace ZtGUI
