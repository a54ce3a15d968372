#include "GalleryWindow.h"

#include "CommonFun.h"
#include "DateTimePage.h"
#include "DisplayWallPage.h"
#include "DisplayWindowPage.h"
#include "FoundationPage.h"
#include "InputsPage.h"
#include "ListsCombosPage.h"
#include "SceneWallPage.h"
#include "TableViewPage.h"
#include "WindowsPage.h"
#include "ZtListWidget.h"
#include "ZtSetting.h"

#include <QCoreApplication>
#include <QDir>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QStackedWidget>

using namespace ZtGUI;

GalleryWindow::GalleryWindow(QWidget* parent)
    : QWidget(parent)
    , m_navigation(new ZtListWidget(this))
    , m_pages(new QStackedWidget(this))
{
    setObjectName(QStringLiteral("GalleryWindow"));
    setWindowTitle(tr("Kitra gallery"));
    // One library-wide sheet styles the lists and scroll bars of every page.
    CommonFun::SetStyleSheet(this, QStringLiteral("Common"), QStringLiteral("Kitra.css"));

    m_navigation->setObjectName(QStringLiteral("GalleryNavigation"));
    m_navigation->setFixedWidth(200);
    auto* side = new QVBoxLayout;
    side->addWidget(m_navigation, 1);
    side->addWidget(createSwitches());
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(side);
    layout->addWidget(m_pages, 1);
    connect(m_navigation, &QListWidget::currentRowChanged, m_pages, &QStackedWidget::setCurrentIndex);

    addPage(QStringLiteral("foundation"), tr("Foundation"), new FoundationPage(this));
    addPage(QStringLiteral("scenewall"), tr("Scene wall"), new SceneWallPage(this));
    addPage(QStringLiteral("datetime"), tr("Date and time"), new DateTimePage(this));
    auto* windows = new WindowsPage(this);
    addPage(QStringLiteral("windows"), tr("Windows and dialogs"), windows);
    addPictured(QStringLiteral("inputs"), tr("Inputs"), new InputsPage(this));
    addPictured(QStringLiteral("displaywindow"), tr("Display window"), new DisplayWindowPage(this));
    addPictured(QStringLiteral("displaywall"), tr("Display wall"), new DisplayWallPage(this));
    addPictured(QStringLiteral("listscombos"), tr("Lists and combos"), new ListsCombosPage(this));
    addPictured(QStringLiteral("tableview"), tr("Table view"), new TableViewPage(this));
    // Last: its dialogs stay open over whatever page is shown after it.
    m_pictures.append({QStringLiteral("windows"),
                       [windows](const QString& folder) { return windows->SaveDialogScreenshots(folder); }});
    m_navigation->setCurrentRow(0);
    resize(1000, 680);
}

// Skin and language of the whole gallery; a change asks the host to rebuild every page.
QWidget* GalleryWindow::createSwitches()
{
    auto* box = new QWidget(this);
    box->setFixedWidth(200);
    auto* form = new QFormLayout(box);
    form->setContentsMargins(0, 0, 0, 0);
    auto* skin = new QComboBox(box);
    skin->setObjectName(QStringLiteral("GallerySkin"));
    skin->addItems({QStringLiteral("DustyBlue"), QStringLiteral("Dark")});
    skin->setCurrentText(GetSkinVersion());
    auto* language = new QComboBox(box);
    language->setObjectName(QStringLiteral("GalleryLanguage"));
    language->addItem(QStringLiteral("English"), QStringLiteral("en_US"));
    language->addItem(QStringLiteral("\u4e2d\u6587"), QStringLiteral("zh_CN"));
    language->setCurrentIndex(qMax(0, language->findData(GetLanguage())));
    form->addRow(tr("Skin"), skin);
    form->addRow(tr("Language"), language);
    const auto request = [this, skin, language] {
        emit ConfigurationRequested(skin->currentText(), language->currentData().toString());
    };
    connect(skin, &QComboBox::currentTextChanged, this, request);
    connect(language, QOverload<int>::of(&QComboBox::currentIndexChanged), this, request);
    return box;
}

void GalleryWindow::addPage(const QString& name, const QString& title, QWidget* page)
{
    m_pageNames << name;
    m_navigation->addItem(title);
    m_pages->addWidget(page);
}

bool GalleryWindow::SaveScreenshots(const QString& folder)
{
    if (!QDir().mkpath(folder)) {
        qCritical("Cannot create %s", qPrintable(folder));
        return false;
    }
    show();
    bool saved = true;
    for (int i = 0; i < m_pageNames.size(); ++i) {
        m_navigation->setCurrentRow(i);
        QCoreApplication::processEvents();
        const QString file = QDir(folder).filePath(m_pageNames.at(i) + QStringLiteral(".png"));
        if (!grab().save(file)) {
            qCritical("Cannot write %s", qPrintable(file));
            saved = false;
        }
    }
    // Pages that open pop-ups need to be the visible page while they do.
    for (const auto& pictured : qAsConst(m_pictures)) {
        m_navigation->setCurrentRow(m_pageNames.indexOf(pictured.first));
        QCoreApplication::processEvents();
        saved = pictured.second(folder) && saved;
    }
    return saved;
}
