// The eight movable on-screen-display texts of a screen.
#include "ZtTVWallDisplayScreen.h"
#include "ZtTVWallDisplayScreen_p.h"

#include "KitraGuard_p.h"
#include "KitraCompat_p.h"
#include "MovableSub.h"
#include "QOSDShowLabel.h"

#include <QBoxLayout>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <log4cpp/Category.hh>

namespace ZtGUI {

namespace {

const int kOSDUnits = 8192;
const int kOSDButtonSize = 15;
const char* const kLabelStyle = "QLabel{background-color: transparent;color:yellow}";
const char* const kEditStyle =
    "QPushButton{border-image:url(./Skin/DustyBlue/TvWall/TvWallWidget/LED_edit_normal.png);} "
    "QPushButton:hover{border-image:url(./Skin/DustyBlue/TvWall/TvWallWidget/LED_edit_hover.png);} "
    "QPushButton:pressed{border-image:url(./Skin/DustyBlue/TvWall/TvWallWidget/LED_edit_select.png);}";
const char* const kCloseStyle =
    "QPushButton{border-image:url(./Skin/DustyBlue/TvWall/TvWallWidget/LED_close_normal.png);} "
    "QPushButton:hover{border-image:url(./Skin/DustyBlue/TvWall/TvWallWidget/LED_close_hover.png);} "
    "QPushButton:pressed{border-image:url(./Skin/DustyBlue/TvWall/TvWallWidget/LED_close_select.png);}";

log4cpp::Category& osdLog()
{
    return log4cpp::Category::getInstance("TARN");
}

QPushButton* makeOSDButton(const char* styleSheet, QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setFixedSize(kOSDButtonSize, kOSDButtonSize);
    button->setStyleSheet(QString::fromLatin1(styleSheet));
    button->hide();
    return button;
}

// Alpha of the background: the transparency (0 to 128) scales it, or only 0 means opaque.
int alphaOf(const StructOSDInfo& info)
{
    const int transparency = info.struBackColor.iAlpha;
    if (info.bTransparency)
        return qBound(0, transparency * 255 / 128, 255);
    return transparency == 0 ? 255 : 0;
}

// Style sheets refuse colour values outside 0 to 255.
QString rgbOf(const StructOSDColor& c)
{
    return QStringLiteral("%1, %2, %3").arg(qBound(0, c.iRed, 255)).arg(qBound(0, c.iGreen, 255)).arg(qBound(0, c.iBlue, 255));
}

// "simHei" only makes the text bold; the other names pick the family through the skin's style
// sheet, which matches the object name. Returns whether the name changed (the sheet must be reapplied).
bool applyFontName(QLabel* label, const std::string& fontName)
{
    if (fontName == "simHei") {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
        return false;
    }
    const QString name = fontName == "simKai" ? QStringLiteral("KaiStyle") : QStringLiteral("SongStyle");
    const bool renamed = name != label->objectName();
    label->setObjectName(name);
    return renamed;
}

} // namespace

void ZtTVWallDisplayScreenPrivate::buildOSD()
{
    Q_Q(ZtTVWallDisplayScreen);
    using S = ZtTVWallDisplayScreen;
    for (int i = 0; i < kOSDCount; ++i) {
        OSDEntry& entry = osd[i];
        entry.label = new QLabel;
        entry.label->installEventFilter(q);
        entry.label->setStyleSheet(QString::fromLatin1(kLabelStyle));
        entry.sub = new MovableSub(entry.label, nullptr);     // addSubWindow() parents it
        entry.sub->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(entry.sub, &MovableSub::sgMouseReleased, q, &S::OnOSDMouseReleased);
        q->addSubWindow(entry.sub, Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
        entry.sub->hide();
        entry.edit = makeOSDButton(kEditStyle, entry.label);
        entry.edit->setObjectName(QStringLiteral("btnEdit"));
        QObject::connect(entry.edit, &QPushButton::clicked, q, &S::OnOSDEditButtonClicked);
        entry.close = makeOSDButton(kCloseStyle, entry.label);
        QObject::connect(entry.close, &QPushButton::clicked, q, &S::OnOSDCloseButtonClicked);

        auto* column = new QVBoxLayout(entry.label);
        column->setContentsMargins(0, 0, 0, 0);
        auto* row = new QHBoxLayout;
        row->addStretch();
        row->addWidget(entry.edit);
        row->addWidget(entry.close);
        column->addLayout(row);
        column->addStretch();

        showLabels[i] = new QOSDShowLabel(q->viewport(), i);
        showLabels[i]->setStyleSheet(QString::fromLatin1(kLabelStyle));
        showLabels[i]->hide();
    }
}

void ZtTVWallDisplayScreenPrivate::layoutOSD()
{
    const QSize s = area();
    const int width = s.width();
    const int height = s.height();
    osdLog().info("[Debug OSD] [ZtTVWallDisplayScreen::ShowStaticOSDInfo] Enter.");
    osdLog().info("[Debug OSD] [ZtTVWallDisplayScreen::ShowStaticOSDInfo] m_vsStaticOSDInfo.size(): %d.",
                  int(osdInfo.size()));
    for (int i = 0; i < int(osdInfo.size()); ++i) {
        const StructOSDInfo& info = osdInfo.at(size_t(i));
        const OSDEntry& entry = osd[i];
        const StructOSDRect& r = info.struRect;
        const int w = qMax(0, int((r.iRight - r.iLeft) * double(width) / kOSDUnits + 0.5));
        const int h = qMax(0, int((r.iBottom - r.iTop) * double(height) / kOSDUnits + 0.5));
        entry.sub->setGeometry(int(r.iLeft * double(width) / kOSDUnits + 0.5),
                               int(r.iTop * double(height) / kOSDUnits + 0.5), w, h);

        const QString text = KitraCompat::FromLocal8Bit(info.strText.c_str());
        const int lineHeight = h / (1 + text.count(QLatin1Char('\n')));
        const int fontSize = (lineHeight < w ? lineHeight : w) * info.cFontScale / 100;
        const bool renamed = applyFontName(entry.label, info.strFontName);
        const QString sheet = QStringLiteral("QLabel {") + QStringLiteral("font-size: %1px").arg(fontSize) + ';'
                              + QStringLiteral("color: rgb(%1)").arg(rgbOf(info.struTextColor)) + ';'
                              + QStringLiteral("background-color: rgba(%1, %2)")
                                    .arg(rgbOf(info.struBackColor)).arg(alphaOf(info))
                              + '}';
        // Restyling a label (and its buttons) is costly: only a new sheet or name needs it.
        if (sheet != entry.label->styleSheet() || renamed)
            entry.label->setStyleSheet(sheet);
        if (info.cAlign == 0)
            entry.label->setAlignment(Qt::AlignLeft);
        else if (info.cAlign == 1)
            entry.label->setAlignment(Qt::AlignCenter);
        else if (info.cAlign == 2)
            entry.label->setAlignment(Qt::AlignRight);
        entry.label->setText(text);
        if (info.bShow) {
            entry.sub->show();
            entry.sub->raise();
        }
    }
    osdLog().info("[Debug OSD] [ZtTVWallDisplayScreen::ShowStaticOSDInfo] Leave.");
}

int ZtTVWallDisplayScreenPrivate::osdIndexOf(const QObject* object) const
{
    for (int i = 0; i < kOSDCount; ++i) {
        const OSDEntry& entry = osd[i];
        if (entry.sub == object || entry.label == object || entry.edit == object || entry.close == object)
            return i;
    }
    return -1;
}

void ZtTVWallDisplayScreen::SetOSDInfo(std::vector<StructOSDInfo>& vecInfo)
{
    Q_D(ZtTVWallDisplayScreen);
    osdLog().info("[Debug OSD] [ZtTVWallDisplayScreen::SetOSDInfo] Enter.");
    d->osdInfo = vecInfo;
    // The screen has eight texts; further records have nowhere to go.
    if (d->osdInfo.size() > size_t(ZtTVWallDisplayScreenPrivate::kOSDCount))
        d->osdInfo.resize(size_t(ZtTVWallDisplayScreenPrivate::kOSDCount));
    // Only the texts that go away are hidden: hiding and showing again the ones that stay would
    // lay out and repaint each of them twice.
    for (size_t i = 0; i < size_t(ZtTVWallDisplayScreenPrivate::kOSDCount); ++i) {
        if (i >= d->osdInfo.size() || !d->osdInfo[i].bShow)
            d->osd[i].sub->hide();
    }
    if (!d->osdInfo.empty())
        d->layoutOSD();
    viewport()->update();
    osdLog().info("[Debug OSD] [ZtTVWallDisplayScreen::SetOSDInfo] Leave.");
}

void ZtTVWallDisplayScreen::SetOSDVisible(const std::vector<int>& vecId, bool bVisible)
{
    Q_UNUSED(vecId);
    Q_D(ZtTVWallDisplayScreen);
    osdLog().info("[Debug OSD] [ZtTVWallDisplayScreen::SetOSDVisible] Enter.");
    osdLog().info("[Debug OSD] [ZtTVWallDisplayScreen::SetOSDVisible] m_vsStaticOSDInfo.size(): %d.",
                  int(d->osdInfo.size()));
    d->osdVisible = bVisible;
    for (size_t i = 0; i < d->osdInfo.size(); ++i)
        d->osd[i].sub->setVisible(bVisible);
    osdLog().info("[Debug OSD] [ZtTVWallDisplayScreen::SetOSDVisible] Leave.");
}

bool ZtTVWallDisplayScreen::OSDHoverEvent(QObject* watched, QEvent* event)
{
    Q_D(ZtTVWallDisplayScreen);
    const bool enter = event->type() == QEvent::Enter;
    if (!enter && event->type() != QEvent::Leave)
        return false;
    for (const auto& entry : d->osd) {
        if (entry.label == watched) {
            entry.edit->setVisible(enter);
            entry.close->setVisible(enter);
            return true;
        }
    }
    return false;
}

void ZtTVWallDisplayScreen::OnOSDMouseReleased(bool bMove)
{
    Q_D(ZtTVWallDisplayScreen);
    osdLog().info("[Debug OSD] [ZtTVWallDisplayScreen::OnOSDMouseReleased] Enter.");
    const int i = d->osdIndexOf(sender());
    if (i < 0) {
        osdLog().info("[Debug OSD] [ZtTVWallDisplayScreen::OnOSDMouseReleased] osdId == -1.");
        return;
    }
    const QRect g = d->osd[i].sub->geometry();
    const QSize s = d->area();
    const int w = qMax(1, s.width());
    const int h = qMax(1, s.height());
    emit SignalOSDGeoChanged(i, QRect(g.left() * kOSDUnits / w, g.top() * kOSDUnits / h,
                                      g.width() * kOSDUnits / w, g.height() * kOSDUnits / h), bMove);
    osdLog().info("[Debug OSD] [ZtTVWallDisplayScreen::OnOSDMouseReleased] Leave.");
}

void ZtTVWallDisplayScreen::OnOSDEditButtonClicked()
{
    Q_D(ZtTVWallDisplayScreen);
    const int i = d->osdIndexOf(sender());
    if (i >= 0)
        emit SignalOSDEvent(i, 1);
}

void ZtTVWallDisplayScreen::OnOSDCloseButtonClicked()
{
    Q_D(ZtTVWallDisplayScreen);
    const int i = d->osdIndexOf(sender());
    if (i >= 0)
        emit SignalOSDEvent(i, 0);
}

void ZtTVWallDisplayScreen::OnOtherLabelUnSelect(bool bFlag, int nIndex)
{
    Q_D(ZtTVWallDisplayScreen);
    if (!bFlag)
        return;
    for (QOSDShowLabel* label : d->showLabels) {
        if (label->GetIndex() != nIndex)
            label->SetUnSelect(bFlag);
    }
}

} // namespace ZtGUI
