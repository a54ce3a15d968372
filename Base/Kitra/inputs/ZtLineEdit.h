#pragma once

#include <QLineEdit>
#include <QScopedPointer>
#include "KitraExport.h"

namespace ZtGUI {

class ZtLineEditPrivate;

/// A line edit that checks what the user types against two optional rules: a maximum length in
/// bytes of a chosen encoding and a regular expression of the caller's (ECMAScript syntax, matched
/// against the whole text). A violation turns the field into its error state (the `error`
/// property, for style sheets) and shows a hint in the shared tip bubble beside it; with "stop at
/// limit" input beyond the length limit is cut off instead.
class KITRA_EXPORT ZtLineEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(bool error READ errorState WRITE setErrorState)
    Q_DECLARE_PRIVATE(ZtLineEdit)

public:
    /// How the length is counted, with n the UTF-16 units of the text and a its ASCII bytes (up to
    /// the first NUL): the local 8-bit size, 3(n - a) + 2a, or 3(n - a) + a.
    enum CharByteNumType : int { CodeTypeLocal8Bit = 0, CodeTypeWideAscii = 1, CodeTypeUtf8 = 2 };
    Q_ENUM(CharByteNumType)

    /// The side of the field on which the hint bubble appears; any other value counts as the top
    /// (the underlying type is fixed, so that such a value is well defined).
    enum ErrorHintDisplayPosition : int { HintRight = 0, HintLeft = 1, HintTop = 2, HintBottom = 3 };
    Q_ENUM(ErrorHintDisplayPosition)

    /// A field with no rules in force: no length limit, no pattern, hints above the field.
    explicit ZtLineEdit(QWidget* parent = nullptr);
    ~ZtLineEdit() override;

    /// A limit of 0 or less means no limit; `hint` is shown when the text exceeds it.
    void setLimitText(int limit, QString hint);
    /// How setLimitText()'s limit counts bytes (CodeTypeLocal8Bit at first); applies from the next check.
    void setCodeType(CharByteNumType type);
    /// Whether input beyond the limit is cut off silently, one UTF-16 unit from the end per change
    /// through setText() (so the undo history goes, as with setText()), until the text fits (true),
    /// or kept with the limit hint (false, the default).
    void setExceedMaxStopInput(bool stop);
    /// Checks every change against `pattern` (ECMAScript, whole text) and shows `hint` when it fails.
    /// An empty or null pattern turns the check off and keeps the previous hint; a malformed one is
    /// warned about and leaves no pattern rule in force.
    void setRegExpValidator(const wchar_t* pattern, QString hint);
    /// The side of the field on which hints appear (HintTop at first); applies from the next hint.
    void setShowErrorHintPosition(ErrorHintDisplayPosition position);
    /// Display time of the bubble in milliseconds (3000 at first); the bubble, and so the time, is
    /// shared by every line edit.
    void setShowErrorHintTime(int milliseconds);

    /// Checks the whole current text against both rules, showing the hint of the first one it
    /// breaks; true when the text is valid. An empty text never matches a pattern.
    bool JudgeErrorState();
    /// true selects the whole text, enters the error state and shows `hint` beside the field for the
    /// bubble's display time; false hides the bubble and leaves the error state.
    void showErrorHint(bool show, QString hint);

    /// Whether the field is in its error state (the `error` property); false at first.
    bool errorState() const;
    /// Sets the `error` property and restyles the field; the bubble is left as it is.
    void setErrorState(bool error);

signals:
    /// A left-button press on the field, emitted before the field handles it.
    void clicked();

protected:
    /// Emits clicked() for a left press, then edits as usual.
    void mousePressEvent(QMouseEvent* event) override;

private slots:
    void OntextEdited(QString text);
    void OnEditChanged(QString text);

private:
    bool exceedsLimit(const QString& text) const;
    qint64 byteLength(const QString& text) const;
    bool isRegexMatch(const QString& text) const;
    bool cutToLimit(QString& text);
    void showErrorHintKeepingCursor(const QString& hint);
    void repolish();

    QScopedPointer<ZtLineEditPrivate> d_ptr;
};

} // namespace ZtGUI
