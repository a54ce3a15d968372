// GCC 12 sees a false "may be used uninitialized" inside libstdc++'s regex compiler, which this
// file instantiates.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

#include "ZtLineEdit.h"
#include "ZtLineEdit_p.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QStyle>
#include <QTextBoundaryFinder>
#include <QVector>
#include <algorithm>
#include "KitraGuard_p.h"
#include "KitraCompat_p.h"
#include "ZtTipLabel.h"

namespace ZtGUI {

namespace {

// Cuts remembered to tell an undo of one from a new over-long edit: as many as a user undoes.
const int kRememberedCuts = 32;

// Every position where a user-visible character ends, so that a cut never splits a surrogate
// pair or parts a letter from its combining marks.
QVector<int> characterEnds(const QString& text)
{
    QVector<int> ends;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (int end = finder.toNextBoundary(); end > 0; end = finder.toNextBoundary())
        ends.append(end);
    return ends;
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
std::unique_ptr<std::wregex> compilePattern(const std::wstring& pattern)
{
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
    if (d->limit > 0 && byteLength(text()) > d->limit) {
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

void ZtLineEdit::keyPressEvent(QKeyEvent* event)
{
    Q_D(ZtLineEdit);
    // Undoing a cut and redoing the edit it shortened change the text alike: the key tells.
    d->redoKey = event->matches(QKeySequence::Redo);
    const QPointer<ZtLineEdit> alive(this);
    QLineEdit::keyPressEvent(event);
    if (alive)
        d->redoKey = false;
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
    const QString before = d->shownText;
    d->shownText = text;
    if (text.isEmpty() || !sender())
        return;
    if (d->limit > 0 && byteLength(text) > d->limit) {
        if (d->stopAtLimit)
            cutToLimit(before, text);
        else
            showErrorHintKeepingCursor(d->limitHint);
    } else if (d->regexEnabled && !d->pattern.empty() && !isRegexMatch(text)) {
        showErrorHintKeepingCursor(d->regexHint);
    }
}

void ZtLineEdit::showErrorHintKeepingCursor(const QString& hint)
{
    const int cursor = cursorPosition();
    const QPointer<ZtLineEdit> alive(this);
    showErrorHint(true, hint);
    if (alive)
        setCursorPosition(cursor);
}

// Removes the characters beyond the limit from the end as one edit, so that the undo history
// stays (setText would clear it) and the cursor keeps its place.
void ZtLineEdit::cutToLimit(const QString& before, const QString& text)
{
    Q_D(ZtLineEdit);
    // Each cut is an edit of its own in the undo history. Undoing one brings the over-long text
    // back: carry on to the edit before it, or the field would cut again and the user could never
    // undo past it. Redoing the over-long edit carries on to its cut.
    if (isRedoAvailable() && !d->replaying) {
        const bool undoing = !d->redoKey && d->cuts.contains(qMakePair(text, before));
        if (!undoing || isUndoAvailable()) {
            const QPointer<ZtLineEdit> alive(this);
            d->replaying = true;
            undoing ? undo() : redo();
            if (alive)
                d->replaying = false;
            return;
        }
    }
    const QVector<int> ends = characterEnds(text);
    const auto fits = std::partition_point(ends.cbegin(), ends.cend(), [this, &text, d](int end) {
        return byteLength(text.left(end)) <= d->limit;
    });
    const int keep = fits == ends.cbegin() ? 0 : *(fits - 1);
    const int cursor = std::min(cursorPosition(), keep);
    d->cuts.append(qMakePair(text, text.left(keep)));
    if (d->cuts.size() > kRememberedCuts)
        d->cuts.removeFirst();
    const QPointer<ZtLineEdit> alive(this);
    setSelection(keep, text.size() - keep);
    if (alive)
        del();
    if (alive)
        setCursorPosition(cursor);
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
        return std::regex_match(text.toStdWString(), *d->regex);
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
