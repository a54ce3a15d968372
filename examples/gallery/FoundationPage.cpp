#include "FoundationPage.h"

#include "CommonFun.h"
#include "ZtDir.h"
#include "ZtListView.h"
#include "ZtListWidget.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QSlider>
#include <QSpinBox>
#include <QStringListModel>

using namespace ZtGUI;

namespace {

const QString kWrapSample = QStringLiteral(
    "Operators open, move and close video windows on the wall all day long; "
    "every change is reported to the host with its screen and window numbers.");

QGroupBox* group(const QString& title, QWidget* parent)
{
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(title);
    return box;
}

} // namespace

FoundationPage::FoundationPage(QWidget* parent)
    : QWidget(parent)
{
    auto* grid = new QGridLayout(this);
    grid->addWidget(createLists(), 0, 0);
    grid->addWidget(createTextHelpers(), 0, 1);
    grid->addWidget(createWrapping(), 1, 0);
    grid->addWidget(createSkinInfo(), 1, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    updateCuts();
    updateWrap();
}

QWidget* FoundationPage::createLists()
{
    QGroupBox* box = group(tr("Lists and scroll bars"), this);
    auto* cameras = new ZtListWidget(box);
    for (int i = 1; i <= 60; ++i)
        cameras->addItem(tr("Camera %1 - gate %2").arg(i).arg((i - 1) / 4 + 1));
    cameras->setCurrentRow(2);

    auto* screens = new ZtListView(box);
    auto* model = new QStringListModel(screens);
    QStringList rows;
    for (int i = 1; i <= 40; ++i)
        rows << tr("Screen %1: decoder channel %2, 1920 x 1080, stream main, bit rate 4096 kbit/s").arg(i).arg(i * 3);
    model->setStringList(rows);
    screens->setModel(model);

    auto* layout = new QHBoxLayout(box);
    layout->addWidget(cameras);
    layout->addWidget(screens);
    return box;
}

QWidget* FoundationPage::createTextHelpers()
{
    QGroupBox* box = group(tr("Text cut to a byte budget"), this);
    m_text = new QLineEdit(QStringLiteral("\u00c9cran \u2116 2 \u2014 vid\u00e9o"), box);
    m_budget = new QSpinBox(box);
    m_budget->setRange(0, 64);
    m_budget->setValue(12);
    m_utf8Cut = new QLabel(box);
    m_localCut = new QLabel(box);
    m_blank = new QLabel(box);
    connect(m_text, &QLineEdit::textChanged, this, &FoundationPage::updateCuts);
    connect(m_budget, QOverload<int>::of(&QSpinBox::valueChanged), this, &FoundationPage::updateCuts);

    auto* form = new QFormLayout(box);
    form->addRow(tr("Text"), m_text);
    form->addRow(tr("Budget (bytes)"), m_budget);
    form->addRow(tr("UTF-8"), m_utf8Cut);
    form->addRow(tr("Local 8-bit"), m_localCut);
    form->addRow(tr("Blank"), m_blank);
    return box;
}

QWidget* FoundationPage::createWrapping()
{
    QGroupBox* box = group(tr("Word wrapping"), this);
    m_wrapWidth = new QSlider(Qt::Horizontal, box);
    m_wrapWidth->setRange(60, 420);
    m_wrapWidth->setValue(260);
    m_wrapped = new QLabel(box);
    m_wrapped->setFrameShape(QFrame::StyledPanel);
    m_wrapped->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(m_wrapWidth, &QSlider::valueChanged, this, &FoundationPage::updateWrap);

    auto* layout = new QVBoxLayout(box);
    layout->addWidget(m_wrapWidth);
    layout->addWidget(m_wrapped, 1);
    return box;
}

QWidget* FoundationPage::createSkinInfo()
{
    QGroupBox* box = group(tr("Skin and settings"), this);
    auto* form = new QFormLayout(box);
    const bool dark = CommonFun::GetSkinType() == CommonFun::E_SKIN_DARK;
    form->addRow(tr("Skin version"), new QLabel(GetSkinVersion(), box));
    form->addRow(tr("Skin folder"), new QLabel(CommonFun::GetSkinFolderPath(), box));
    form->addRow(tr("Skin kind"), new QLabel(dark ? tr("dark") : tr("normal"), box));
    const QString arrow = CommonFun::GetSkinPath(QStringLiteral("ZtGui"), QStringLiteral("ScrollBar/Up.png"));
    // The application folder differs from machine to machine; the part the skin decides is what matters.
    const QString shown = QStringLiteral("<application dir>") + arrow.mid(ZtDir::GetCurrentPath().size());
    auto* path = new QLabel(shown, box);
    path->setWordWrap(true);
    auto* picture = new QLabel(box);
    picture->setPixmap(QPixmap(arrow));
    form->addRow(tr("A skin path"), path);
    form->addRow(tr("Its picture"), picture);
    form->addRow(tr("Language"), new QLabel(GetLanguage(), box));
    form->addRow(tr("HTTPS"), new QLabel(CommonFun::GetHttpsEnableStatus() ? tr("on") : tr("off"), box));
    const QString ip = GetLocalIP(QAbstractSocket::IPv4Protocol);
    form->addRow(tr("Local IPv4"), new QLabel(ip.isEmpty() ? tr("none") : ip, box));
    return box;
}

void FoundationPage::updateCuts()
{
    const QString text = m_text->text();
    const int budget = m_budget->value();
    const QString utf8 = CommonFun::GetUtf8ValidByteLenString(text, budget);
    const QString local = CommonFun::GetLocal8BitValidByteLenString(text, budget);
    m_utf8Cut->setText(tr("\"%1\" (%2 bytes)").arg(utf8).arg(utf8.toUtf8().size()));
    m_localCut->setText(tr("\"%1\" (%2 bytes)").arg(local).arg(local.toLocal8Bit().size()));
    m_blank->setText(CommonFun::IsQStrEmpty(text) ? tr("yes") : tr("no"));
}

void FoundationPage::updateWrap()
{
    m_wrapped->setText(ConvertWarpText(m_wrapped->fontMetrics(), kWrapSample, m_wrapWidth->value()));
}
