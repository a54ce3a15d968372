#include "CommonFun.h"
#include "CommonFun_p.h"

#include "KitraCompat_p.h"

#include "ZtDir.h"
#include "ZtFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFontMetrics>
#include <QNetworkInterface>
#include <QTextBoundaryFinder>
#include <QTextCodec>
#include <QThread>
#include <QWidget>

#include <algorithm>

namespace ZtGUI {

namespace {

const QString kDefaultSkinFolder = QStringLiteral("./Skin/DustyBlue");

QString backupName(const QString& path)
{
    return path + QStringLiteral(".usertmp");
}

void applyStyleSheet(QWidget* widget, const QString& fileName, const QString& folder)
{
    const QString css = QString::fromUtf8(ZtFile::ReadAll(fileName, folder));
    if (!css.isEmpty())
        widget->setStyleSheet(css);
}

// Bare class name of the widget's most derived class, namespace dropped.
QString styleSheetFileOf(const QWidget* widget)
{
    QString name = QString::fromLatin1(widget->metaObject()->className());
    const int colons = name.lastIndexOf(QStringLiteral("::"));
    if (colons >= 0)
        name = name.mid(colons + 2);
    return name.isEmpty() ? name : name + QStringLiteral(".css");
}

// The last grapheme boundary at or before `position`, so that a cut never splits a surrogate
// pair or separates a letter from its combining marks.
int graphemeBoundaryAtOrBefore(const QString& text, int position)
{
    if (position >= text.size())
        return text.size();
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    finder.setPosition(position);
    return finder.isAtBoundary() ? position : std::max(0, int(finder.toPreviousBoundary()));
}

// The longest prefix, ending on a whole character, whose encoding fits the budget. The encoded
// length grows with the prefix, so a binary search over the first `maxBytes` code units finds
// the longest fitting prefix without re-encoding the text once per character.
template <typename Encode>
QString cutToByteBudget(const QString& text, int maxBytes, Encode encodedSize)
{
    if (maxBytes <= 0)
        return QString();
    int fits = 0;
    int tooLong = std::min(int(text.size()), maxBytes) + 1;
    while (tooLong - fits > 1) {
        const int mid = fits + (tooLong - fits) / 2;
        if (encodedSize(text.left(mid)) <= maxBytes)
            fits = mid;
        else
            tooLong = mid;
    }
    return text.left(graphemeBoundaryAtOrBefore(text, fits));
}

bool isAsciiLetter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

} // namespace

QString SkinStyle()
{
    return ZtSetting::GetInstance()
        ->ReadValue(QStringLiteral("SkinStyle"), QStringLiteral("SkinFolder"), QString())
        .toString();
}

QString CommonFun::GetSkinFolderPath()
{
    const QString folder = SkinStyle();
    return folder.isEmpty() ? kDefaultSkinFolder : QStringLiteral("./Skin/") + folder;
}

CommonFun::E_SKIN_TYPE CommonFun::GetSkinType()
{
    return GetSkinFolderPath().contains(QStringLiteral("Dark")) ? E_SKIN_DARK : E_SKIN_NORMAL;
}

QString CommonFun::GetSkinPath(const QString& module, const QString& relativeFile)
{
    return QStringLiteral("%1/Skin/%2/%3/%4")
        .arg(ZtDir::GetCurrentPath(), GetSkinVersion(), module, relativeFile);
}

QString CommonFun::GetSkinPathEx(const QString& relativePath)
{
    return QStringLiteral("%1/Skin/%2").arg(ZtDir::GetCurrentPath(), relativePath);
}

bool CommonFun::GetHttpsEnableStatus()
{
    return GetHttpsEnable();
}

void CommonFun::SetStyleSheet(QWidget* widget, const QString& folder, const QString& cssFile,
                              const QString& module)
{
    if (!widget)
        return;
    const QString directory = module.isEmpty()
        ? QStringLiteral("%1/Skin/%2/Orvale/%3").arg(ZtDir::GetCurrentPath(), GetSkinVersion(), folder)
        : QStringLiteral("%1/Skin/%2/%3/%4").arg(ZtDir::GetCurrentPath(), GetSkinVersion(), module, folder);
    applyStyleSheet(widget, cssFile.isEmpty() ? styleSheetFileOf(widget) : cssFile, directory);
}

void CommonFun::SetStyleSheetEx(QWidget* widget, const QString& cssFile, const QString& relativeFolder)
{
    if (!widget)
        return;
    applyStyleSheet(widget, cssFile, GetSkinPathEx(relativeFolder));
}

QString CommonFun::GetHasBackupConfigFileName(const QString& path)
{
    const QString backup = backupName(path);
    if (!CheckFileHasData(path) && CheckFileHasData(backup)) {
        QFile::remove(path);
        QFile::copy(backup, path);
    }
    return path;
}

bool CommonFun::CheckFileHasData(const QString& path)
{
    if (path.isEmpty())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray firstLine = file.readLine();
    const QByteArray head = firstLine.left(10);
    // An interrupted write leaves the file filled with 0x00 or 0x01 bytes.
    return std::any_of(head.cbegin(), head.cend(), [](char byte) { return static_cast<signed char>(byte) > 1; });
}

void CommonFun::BackupConfigFile(const QString& path)
{
    if (!CheckFileHasData(path))
        return;
    const QString backup = backupName(path);
    QFile::remove(backup);
    QFile::copy(path, backup);
}

QString CommonFun::GetUtf8ValidByteLenString(const QString& text, int maxBytes)
{
    return cutToByteBudget(text, maxBytes, [](const QString& s) { return s.toUtf8().size(); });
}

QString CommonFun::GetLocal8BitValidByteLenString(const QString& text, int maxBytes)
{
    return cutToByteBudget(text, maxBytes, [](const QString& s) { return KitraCompat::ToLocal8Bit(s).size(); });
}

bool CommonFun::IsQStrEmpty(const QString& text)
{
    // The space, the replacement character that the GB2312 ideographic space (0xA1 0xA1) decodes
    // to when it is read as UTF-8, and the ideographic space itself.
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return c == QLatin1Char(' ') || c == QChar(0xFFFD) || c == QChar(0x3000);
    });
}

QString ConvertToUnicode(const char* bytes, const char* codecName)
{
    QTextCodec* codec = codecName ? QTextCodec::codecForName(codecName) : nullptr;
    return codec ? codec->toUnicode(bytes) : QString::fromUtf8(bytes);
}

QByteArray ConvertFromUnicode(const QString& text, const char* codecName)
{
    QTextCodec* codec = codecName ? QTextCodec::codecForName(codecName) : nullptr;
    return codec ? codec->fromUnicode(text) : KitraCompat::ToLocal8Bit(text);
}

QString ConvertWarpText(const QFontMetrics& metrics, const QString& text, int width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    QString result;
    QString line;
    bool inWord = false;
    int breakAt = -1;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (isAsciiLetter(c)) {
            inWord = true;
        } else if (c == QLatin1Char(' ') && inWord) {
            breakAt = i;
        } else {
            inWord = false;
            breakAt = -1;
        }
        line.append(c);
        if (metrics.horizontalAdvance(line) < width)
            continue;
        if (breakAt != -1) {
            // Move the word begun after the last space to the next line.
            line.chop(i - breakAt + 1);
            i = breakAt;
        }
        result += line;
        if (i != text.size() - 1)
            result += QLatin1Char('\n');
        line.clear();
        breakAt = -1;
        inWord = false;
    }
    result += line;
    return result.trimmed();
}

QString GetLocalIP(QAbstractSocket::NetworkLayerProtocol protocol)
{
    const QList<QHostAddress> addresses = QNetworkInterface::allAddresses();
    for (const QHostAddress& address : addresses) {
        if (address.protocol() == protocol)
            return address.toString();
    }
    return QString();
}

void qSleep(int milliseconds)
{
    QThread::msleep(static_cast<unsigned long>(std::max(0, milliseconds)));
}

void qWait(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, std::max(0, milliseconds));
        qSleep(10);
    } while (timer.elapsed() < milliseconds);
}

} // namespace ZtGUI
