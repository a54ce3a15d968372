#include "ZtTVWallLayout.h"

#include "KitraCompat_p.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace ZtGUI {

class ZtTVWallLayoutData : public QSharedData
{
public:
    int rows = 0;
    int cols = 0;
    QVector<ZtTVWallLayout::Screen> screens;
};

namespace {

using Screen = ZtTVWallLayout::Screen;
using Window = ZtTVWallLayout::Window;

/// The coarser of the two walls' tolerances: a layout read back from either wall compares equal.
const double kScalePrecision = 0.002;

void warn(const char* where, const QString& cause)
{
    qWarning("---ZtGUI--- ZtTVWallLayout::%s: %s", where, qPrintable(cause));
}

/// Inside the unit area and not empty; NaN fails every comparison and so counts as outside.
bool insideUnit(const StructScaleRect& r)
{
    return 0.0 <= r.dLeft && r.dLeft < r.dRight && r.dRight <= 1.0 && 0.0 <= r.dTop && r.dTop < r.dBottom
        && r.dBottom <= 1.0;
}

/// Why a layout cannot be used, or an empty text when it can.
QString layoutFault(int rows, int cols, const QVector<Screen>& screens)
{
    const int most = ZtTVWallLayout::MaxGridCount;
    if (rows < 1 || rows > most || cols < 1 || cols > most)
        return QStringLiteral("grid %1 x %2 is out of range (1 to %3)").arg(rows).arg(cols).arg(most);
    for (int s = 0; s < screens.size(); ++s) {
        if (!insideUnit(screens.at(s).scale))
            return QStringLiteral("screen %1 lies outside the wall").arg(s);
        const QVector<Window>& windows = screens.at(s).windows;
        for (int w = 0; w < windows.size(); ++w) {
            if (!insideUnit(windows.at(w).scale))
                return QStringLiteral("window %1 lies outside screen %2").arg(w).arg(s);
        }
    }
    return QString();
}

bool sameScale(const StructScaleRect& a, const StructScaleRect& b)
{
    return a.bFreeMode == b.bFreeMode && a.IsEqual(b, kScalePrecision);
}

/// A number read back as a double is a changed value: types must match as well.
bool sameUserData(const QVariant& a, const QVariant& b)
{
    return a.userType() == b.userType() && a == b;
}

bool sameWindow(const Window& a, const Window& b)
{
    return sameScale(a.scale, b.scale) && a.title == b.title && a.zValue == b.zValue && a.locked == b.locked
        && a.volumeOn == b.volumeOn && a.ptzOn == b.ptzOn && sameUserData(a.userData, b.userData);
}

bool sameScreen(const Screen& a, const Screen& b)
{
    return sameScale(a.scale, b.scale) && sameUserData(a.userData, b.userData)
        && std::equal(a.windows.cbegin(), a.windows.cend(), b.windows.cbegin(), b.windows.cend(), sameWindow);
}

// User data is written with its type's name beside its value, so that an int stays an int and a
// string of digits a string. 64-bit integers travel as text: a JSON number is a double.

bool encodeVariant(const QVariant& value, QJsonValue& out);

bool encodeList(const QVariantList& list, QJsonValue& out)
{
    QJsonArray array;
    for (const QVariant& item : list) {
        QJsonValue encoded;
        if (!encodeVariant(item, encoded))
            return false;
        array.append(encoded);
    }
    out = array;
    return true;
}

bool encodeMap(const QVariantMap& map, QJsonValue& out)
{
    QJsonObject object;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        QJsonValue encoded;
        if (!encodeVariant(it.value(), encoded))
            return false;
        object.insert(it.key(), encoded);
    }
    out = object;
    return true;
}

bool encodePlain(const QVariant& value, QJsonValue& out)
{
    switch (value.userType()) {
    case QMetaType::Bool: out = value.toBool(); return true;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Double: out = value.toDouble(); return true;
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::QString: out = value.toString(); return true;
    case QMetaType::QByteArray: out = QString::fromLatin1(value.toByteArray().toBase64()); return true;
    case QMetaType::QStringList: out = QJsonArray::fromStringList(value.toStringList()); return true;
    case QMetaType::QVariantList: return encodeList(value.toList(), out);
    case QMetaType::QVariantMap: return encodeMap(value.toMap(), out);
    default: return false;
    }
}

bool encodeVariant(const QVariant& value, QJsonValue& out)
{
    if (!value.isValid()) {
        out = QJsonValue();
        return true;
    }
    QJsonValue plain;
    if (!encodePlain(value, plain))
        return false;
    out = QJsonObject{ { QStringLiteral("type"), QString::fromLatin1(value.typeName()) },
                       { QStringLiteral("value"), plain } };
    return true;
}

bool decodeVariant(const QJsonValue& json, QVariant& out);

bool decodeList(const QJsonValue& value, QVariant& out)
{
    if (!value.isArray())
        return false;
    QVariantList list;
    for (const QJsonValue& item : value.toArray()) {
        QVariant decoded;
        if (!decodeVariant(item, decoded))
            return false;
        list.append(decoded);
    }
    out = list;
    return true;
}

bool decodeMap(const QJsonValue& value, QVariant& out)
{
    if (!value.isObject())
        return false;
    QVariantMap map;
    const QJsonObject object = value.toObject();
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        QVariant decoded;
        if (!decodeVariant(it.value(), decoded))
            return false;
        map.insert(it.key(), decoded);
    }
    out = map;
    return true;
}

bool decodeStringList(const QJsonValue& value, QVariant& out)
{
    if (!value.isArray())
        return false;
    QStringList list;
    for (const QJsonValue& item : value.toArray()) {
        if (!item.isString())
            return false;
        list.append(item.toString());
    }
    out = list;
    return true;
}

/// The text of a 64-bit integer or a byte array, converted to `type`.
bool decodeFromText(const QJsonValue& value, int type, QVariant& out)
{
    if (!value.isString())
        return false;
    if (type == QMetaType::QByteArray) {
        out = QByteArray::fromBase64(value.toString().toLatin1());
        return true;
    }
    out = value.toString();
    return KitraCompat::Convert(out, type);
}

bool decodeNumber(const QJsonValue& value, int type, QVariant& out)
{
    if (!value.isDouble())
        return false;
    out = value.toDouble();
    return KitraCompat::Convert(out, type);
}

bool decodePlain(const QJsonValue& value, int type, QVariant& out)
{
    switch (type) {
    case QMetaType::Bool:
        out = value.toBool();
        return value.isBool();
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Double: return decodeNumber(value, type, out);
    case QMetaType::QString:
        out = value.toString();
        return value.isString();
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::QByteArray: return decodeFromText(value, type, out);
    case QMetaType::QStringList: return decodeStringList(value, out);
    case QMetaType::QVariantList: return decodeList(value, out);
    case QMetaType::QVariantMap: return decodeMap(value, out);
    default: return false;
    }
}

bool decodeVariant(const QJsonValue& json, QVariant& out)
{
    if (json.isNull() || json.isUndefined()) {
        out = QVariant();
        return true;
    }
    const QJsonObject object = json.toObject();
    const int type = KitraCompat::MetaTypeId(object.value(QStringLiteral("type")).toString().toLatin1());
    return json.isObject() && decodePlain(object.value(QStringLiteral("value")), type, out);
}

QJsonArray scaleToJson(const StructScaleRect& r)
{
    return QJsonArray{ r.dLeft, r.dTop, r.dRight, r.dBottom };
}

/// Reads one layout object, stopping at the first fault it names.
class Reader
{
public:
    QString fault;

    bool integer(const QJsonObject& object, const QString& key, int& out)
    {
        const QJsonValue value = object.value(key);
        const double number = value.toDouble();
        if (!value.isDouble() || number != std::floor(number) || qAbs(number) > 1e9)
            return fail(QStringLiteral("\"%1\" is not an integer").arg(key));
        out = static_cast<int>(number);
        return true;
    }

    bool flag(const QJsonObject& object, const QString& key, bool& out)
    {
        const QJsonValue value = object.value(key);
        if (!value.isBool())
            return fail(QStringLiteral("\"%1\" is not true or false").arg(key));
        out = value.toBool();
        return true;
    }

    bool scale(const QJsonObject& object, StructScaleRect& out)
    {
        const QJsonArray corners = object.value(QStringLiteral("scale")).toArray();
        if (corners.size() != 4 || !flag(object, QStringLiteral("free"), out.bFreeMode))
            return fail(QStringLiteral("a scale is not four numbers and a free flag"));
        out.dLeft = corners.at(0).toDouble(qQNaN());
        out.dTop = corners.at(1).toDouble(qQNaN());
        out.dRight = corners.at(2).toDouble(qQNaN());
        out.dBottom = corners.at(3).toDouble(qQNaN());
        return true;
    }

    bool userData(const QJsonObject& object, QVariant& out)
    {
        return decodeVariant(object.value(QStringLiteral("userData")), out)
            || fail(QStringLiteral("user data cannot be read"));
    }

    bool window(const QJsonValue& json, Window& out)
    {
        const QJsonObject o = json.toObject();
        out.title = o.value(QStringLiteral("title")).toString();
        return (json.isObject() || fail(QStringLiteral("a window is not an object"))) && scale(o, out.scale)
            && integer(o, QStringLiteral("z"), out.zValue) && flag(o, QStringLiteral("locked"), out.locked)
            && flag(o, QStringLiteral("volume"), out.volumeOn) && flag(o, QStringLiteral("ptz"), out.ptzOn)
            && userData(o, out.userData);
    }

    bool screen(const QJsonValue& json, Screen& out)
    {
        const QJsonObject o = json.toObject();
        if (!json.isObject() || !o.value(QStringLiteral("windows")).isArray())
            return fail(QStringLiteral("a screen is not an object with a window list"));
        if (!scale(o, out.scale) || !userData(o, out.userData))
            return false;
        for (const QJsonValue& item : o.value(QStringLiteral("windows")).toArray()) {
            Window window;
            if (!this->window(item, window))
                return false;
            out.windows.append(window);
        }
        return true;
    }

    bool version(const QJsonObject& root)
    {
        int found = 0;
        if (!root.contains(QStringLiteral("version")))
            return fail(QStringLiteral("no format version"));
        if (!integer(root, QStringLiteral("version"), found))
            return false;
        if (found > ZtTVWallLayout::FormatVersion)
            return fail(QStringLiteral("format version %1 is newer than %2")
                            .arg(found)
                            .arg(ZtTVWallLayout::FormatVersion));
        return found == ZtTVWallLayout::FormatVersion || fail(QStringLiteral("unknown format version %1").arg(found));
    }

    bool fail(const QString& cause)
    {
        if (fault.isEmpty())
            fault = cause;
        return false;
    }
};

} // namespace

ZtTVWallLayout::ZtTVWallLayout() : d(new ZtTVWallLayoutData) {}

ZtTVWallLayout::ZtTVWallLayout(int iRows, int iCols, const QVector<Screen>& screens) : d(new ZtTVWallLayoutData)
{
    const QString fault = layoutFault(iRows, iCols, screens);
    if (!fault.isEmpty()) {
        warn("ZtTVWallLayout", fault);
        return;
    }
    d->rows = iRows;
    d->cols = iCols;
    d->screens = screens;
}

ZtTVWallLayout::ZtTVWallLayout(const ZtTVWallLayout& other) = default;
ZtTVWallLayout& ZtTVWallLayout::operator=(const ZtTVWallLayout& other) = default;
ZtTVWallLayout::~ZtTVWallLayout() = default;

bool ZtTVWallLayout::isValid() const
{
    return d->rows > 0;
}

int ZtTVWallLayout::rowCount() const
{
    return d->rows;
}

int ZtTVWallLayout::columnCount() const
{
    return d->cols;
}

QVector<ZtTVWallLayout::Screen> ZtTVWallLayout::screens() const
{
    return d->screens;
}

namespace {

/// The user data under "userData", or nothing with a warning when JSON cannot hold it.
void putUserData(QJsonObject& object, const QVariant& userData, const QString& owner)
{
    QJsonValue encoded;
    if (encodeVariant(userData, encoded)) {
        object.insert(QStringLiteral("userData"), encoded);
        return;
    }
    warn("toJson", QStringLiteral("user data of %1 (type %2) left out: JSON cannot hold it")
                       .arg(owner, QString::fromLatin1(userData.typeName())));
    object.insert(QStringLiteral("userData"), QJsonValue());
}

QJsonObject windowToJson(const Window& window, const QString& owner)
{
    QJsonObject object{ { QStringLiteral("scale"), scaleToJson(window.scale) },
                        { QStringLiteral("free"), window.scale.bFreeMode },
                        { QStringLiteral("title"), window.title },
                        { QStringLiteral("z"), window.zValue },
                        { QStringLiteral("locked"), window.locked },
                        { QStringLiteral("volume"), window.volumeOn },
                        { QStringLiteral("ptz"), window.ptzOn } };
    putUserData(object, window.userData, owner);
    return object;
}

QJsonObject screenToJson(const Screen& screen, int index)
{
    QJsonArray windows;
    for (int w = 0; w < screen.windows.size(); ++w)
        windows.append(windowToJson(screen.windows.at(w), QStringLiteral("window %1 on screen %2").arg(w).arg(index)));
    QJsonObject object{ { QStringLiteral("scale"), scaleToJson(screen.scale) },
                        { QStringLiteral("free"), screen.scale.bFreeMode },
                        { QStringLiteral("windows"), windows } };
    putUserData(object, screen.userData, QStringLiteral("screen %1").arg(index));
    return object;
}

} // namespace

QByteArray ZtTVWallLayout::toJson() const
{
    if (!isValid())
        return QByteArray();
    QJsonArray screens;
    for (int s = 0; s < d->screens.size(); ++s)
        screens.append(screenToJson(d->screens.at(s), s));
    const QJsonObject root{ { QStringLiteral("version"), FormatVersion },
                            { QStringLiteral("rows"), d->rows },
                            { QStringLiteral("columns"), d->cols },
                            { QStringLiteral("screens"), screens } };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

ZtTVWallLayout ZtTVWallLayout::fromJson(const QByteArray& json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        const QString cause = document.isNull() ? error.errorString() : QStringLiteral("not an object");
        warn("fromJson", QStringLiteral("malformed JSON at offset %1: %2").arg(error.offset).arg(cause));
        return ZtTVWallLayout();
    }
    const QJsonObject root = document.object();
    Reader reader;
    int rows = 0;
    int cols = 0;
    QVector<Screen> screens;
    bool ok = reader.version(root) && reader.integer(root, QStringLiteral("rows"), rows)
        && reader.integer(root, QStringLiteral("columns"), cols);
    const QJsonValue screenList = root.value(QStringLiteral("screens"));
    ok = ok && (screenList.isArray() || reader.fail(QStringLiteral("no screen list")));
    const QJsonArray screenArray = screenList.toArray();
    for (int s = 0; ok && s < screenArray.size(); ++s) {
        Screen screen;
        ok = reader.screen(screenArray.at(s), screen);
        screens.append(screen);
    }
    const QString fault = ok ? layoutFault(rows, cols, screens) : reader.fault;
    if (!fault.isEmpty()) {
        warn("fromJson", fault);
        return ZtTVWallLayout();
    }
    return ZtTVWallLayout(rows, cols, screens);
}

bool ZtTVWallLayout::operator==(const ZtTVWallLayout& other) const
{
    const QVector<Screen>& mine = d->screens;
    const QVector<Screen>& theirs = other.d->screens;
    return d->rows == other.d->rows && d->cols == other.d->cols
        && std::equal(mine.cbegin(), mine.cend(), theirs.cbegin(), theirs.cend(), sameScreen);
}

} // namespace ZtGUI
