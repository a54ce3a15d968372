#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <memory>
#include <regex>
#include <string>
#include "ZtLineEdit.h"

namespace ZtGUI {

class ZtLineEditPrivate
{
public:
    bool errorState = false;
    bool regexEnabled = false;
    std::wstring pattern;
    std::unique_ptr<std::wregex> regex;     // the pattern compiled once; null when malformed
    QString regexHint;
    int limit = 0;
    QString limitHint;
    ZtLineEdit::ErrorHintDisplayPosition hintPosition = ZtLineEdit::HintTop;
    ZtLineEdit::CharByteNumType codeType = ZtLineEdit::CodeTypeLocal8Bit;
    bool stopAtLimit = false;
    QString shownText;                      // the text before the change being handled
    QList<QPair<QString, QString>> cuts;    // recent cuts: the over-long text and what was kept
    bool replaying = false;                 // carrying an undo or redo past a cut
    bool redoKey = false;                   // the key being handled asks for a redo
};

} // namespace ZtGUI
