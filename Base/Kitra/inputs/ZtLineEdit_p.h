#pragma once

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
    bool cutting = false;                   // a cut at the limit is changing the text
};

} // namespace ZtGUI
