// Walked through QAccessible alone, no button, edit, spin box, check box, list, table or combo box inside a
// composite widget goes unnamed, nor a window or pop-up the library opens; the switch reads as a check box.
#include "ColorSelector.h"
#include "FolderBar.h"
#include "NotifyWidget.h"
#include "PicButton.h"
#include "TipWidget.h"
#include "WPushButton.h"
#include "WaitWidget.h"
#include "WindowsTest.h"
#include "ZtCalendar.h"
#include "ZtCalendarEx.h"
#include "ZtCascadingListComBox.h"
#include "ZtComboBox.h"
#include "ZtCustomDialog.h"
#include "ZtDateCalendar.h"
#include "ZtDateTimeCalendar.h"
#include "ZtDateTimeEdit.h"
#include "ZtDialog.h"
#include "ZtMenuCustomCombox.h"
#include "ZtMessageBox.h"
#include "ZtPopupButton.h"
#include "ZtSwitchButton.h"
#include "ZtTableView.h"
#include "struTreeViewData.h"

#include <QAccessible>
#include <QLineEdit>
#include <QMenu>
#include <QStandardItemModel>

using namespace ZtGUI;

namespace {

/// Builds widgets in `host` (shown) and returns the one an assistive tool would start from.
using Build = std::function<QWidget*(QWidget* host)>;
using Map = QMap<int, QString>;

/// The interfaces below `node` an assistive tool could act on but not name. The cells of lists
/// and tables are the model's texts, so the walk stops at the view.
void collectUnnamed(QAccessibleInterface* node, QStringList& unnamed)
{
    using A = QAccessible;
    static const QVector<A::Role> actable{A::Button, A::CheckBox, A::RadioButton, A::SpinBox, A::EditableText, A::ComboBox,
                                          A::List, A::Table, A::Tree, A::ButtonMenu, A::ButtonDropDown, A::MenuItem};
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child || child->state().invisible)
            continue;
        const A::Role role = child->role();
        if (actable.contains(role) && child->text(A::Name).trimmed().isEmpty())
            unnamed << QStringLiteral("%1 (role %2)").arg(child->object() ? child->object()->objectName() : QString()).arg(role);
        if (role != A::List && role != A::Table && role != A::Tree)
            collectUnnamed(child, unnamed);
    }
}

template <typename W> W* shown(W* widget)
{
    widget->show();
    return widget;
}

QWidget* clickForPopup(QWidget* target)
{
    KitraTest::click(target, target->rect().center());
    return QApplication::activePopupWidget();
}

/// A widget the host made, and so named itself.
QWidget* named(QWidget* widget)
{
    widget->setAccessibleName(QStringLiteral("Host's name"));
    return shown(widget);
}

/// The editor of a cell in a column without a title.
QWidget* editorOf(QWidget* host, const QVariant& editor, int role)
{
    auto* view = new ZtTableView(host);
    auto* model = new QStandardItemModel(1, 2, view);
    model->setHorizontalHeaderLabels({QStringLiteral("Camera"), QString()});
    model->setItem(0, 1, new QStandardItem(QStringLiteral("North")));
    model->item(0, 1)->setData(editor, role);
    view->setModel(model);
    view->setGeometry(0, 0, 400, 200);
    view->show();
    static_cast<QAbstractItemView*>(view)->edit(model->index(0, 1));
    return QApplication::focusWidget();
}

} // namespace

Q_DECLARE_METATYPE(Build)

class tst_WidgetAccessible : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { KitraTest::failOnUnexpectedWarnings(); }

    void everyInteractivePartHasAName_data()
    {
        const auto row = [](const char* name, const Build& build) { QTest::newRow(name) << build; };
        QTest::addColumn<Build>("build");
        row("dialog", [](QWidget* host) {
            auto* d = new ZtDialog(host, ZtDialog::CloseButtonHint | ZtDialog::MinMaxButtonsHint);
            d->SetTitle(QStringLiteral("Settings"));
            return shown(d);
        });
        row("message box", [](QWidget* host) {
            return shown(new ZtMessageBox(QStringLiteral("Delete"), QStringLiteral("Sure?"), ZtMessageBox::Ok | ZtMessageBox::Cancel, host));
        });
        row("custom dialog", [](QWidget* host) {
            auto* d = new ZtCustomDialog(ZtCustomDialog::Ok | ZtCustomDialog::Cancel | ZtCustomDialog::Other, host);
            d->SetTitle(QStringLiteral("Export"));
            return shown(d);
        });
        row("notice", [](QWidget* host) {
            auto* notice = new NotifyWidget(NotifyManager::instance(), host);
            notice->SetMsgType(NotifyManager::MsgError);
            return shown(notice);
        });
        row("tip", [](QWidget* host) { return shown(new TipWidget(QStringLiteral("Too long"), host)); });
        row("wait indicator", [](QWidget* host) { return shown(new WaitWidget(host)); });
        row("calendar", [](QWidget* host) {
            auto* calendar = new ZtCalendar(host);
            calendar->SetTimeEditVisible(true);
            calendar->SetBtnVisible(true);
            calendar->SetLastCurBtnVisible(true);
            return named(calendar);
        });
        row("calendar pair", [](QWidget* host) { return named(new ZtCalendarEx(host)); });
        row("date pop-up", [](QWidget* host) { return clickForPopup(shown(new ZtDateCalendar(host))); });
        row("date range pop-up", [](QWidget* host) { return clickForPopup(shown(new ZtDateTimeCalendar(host))); });
        row("date-time edit pop-up", [](QWidget* host) {
            auto* edit = new ZtDateTimeEdit(host);
            edit->setCalendarPopup(true);
            return clickForPopup(shown(edit)->findChild<QLineEdit*>());
        });
        row("combo box list", [](QWidget* host) {
            auto* combo = new ZtComboBox(host);
            combo->addItems({QStringLiteral("Red"), QStringLiteral("Green")});
            return shown(combo);
        });
        row("cascading pop-up", [](QWidget* host) {
            auto* combo = new ZtCascadingListComBox(host);
            combo->InitDate(Map{{1, QStringLiteral("Gate")}}, {{1, Map{{10, QStringLiteral("East")}}}});
            return clickForPopup(shown(combo));
        });
        row("menu pop-up", [](QWidget* host) {
            Map main{{1, QStringLiteral("Gate")}};
            QMap<int, Map> sub{{1, Map{{10, QStringLiteral("East")}}}};
            auto* combo = new ZtMenuCustomCombox(host);
            combo->InitMenu(main, sub);
            return shown(combo)->findChild<QMenu*>();   // once open, the menu runs a loop of its own
        });
        row("pop-up button", [](QWidget* host) {
            auto* button = new ZtPopupButton(host);
            button->setText(QStringLiteral("Filter"));
            auto* content = new QLineEdit;
            content->setAccessibleName(QStringLiteral("Host's name"));
            button->SetPopupWidget(content);
            return clickForPopup(shown(button));
        });
        row("folder bar", [](QWidget* host) {
            auto* bar = new FolderBar(host);
            bar->addItem(new QWidget, QStringLiteral("Cameras"));
            bar->addItem(new QWidget, QString());
            return named(bar);
        });
        row("picture buttons", [](QWidget* host) {
            auto* panel = new QWidget(host);
            auto* layout = new QHBoxLayout(panel);
            auto* tipped = new PicButton;
            tipped->setToolTip(QStringLiteral("Zoom in"));
            for (QWidget* button : std::initializer_list<QWidget*>{new PicButton, tipped, new WPushButton, new ColorSelector})
                layout->addWidget(button);
            return named(panel);
        });
        row("line cell editor", [](QWidget* host) { return editorOf(host, {}, Qt::UserRole); });
        row("combo cell editor", [](QWidget* host) { return editorOf(host, true, struTreeViewData::ComboBoxEditorRole); });
        row("date-time cell editor", [](QWidget* host) {
            return editorOf(host, QDateTime(QDate(2024, 5, 1), QTime(8, 0)), struTreeViewData::DateTimeEditorRole);
        });
    }

    void everyInteractivePartHasAName()
    {
        QFETCH(Build, build);
        QWidget host;
        WindowsTest::showAt(host, QRect(100, 100, 500, 400));
        QWidget* start = build(&host);
        QVERIFY(start);
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(start);
        QVERIFY(root && root->isValid());
        QVERIFY2(!root->text(QAccessible::Name).trimmed().isEmpty(), start->metaObject()->className());
        QStringList unnamed;
        collectUnnamed(root, unnamed);
        QCOMPARE(unnamed, QStringList());
    }

    // The switch reads as a check box that follows clicks; a screen reader's toggle is a click the host hears of.
    void switchReadsAsACheckBoxThatFollowsClicks()
    {
        ZtSwitchButton button;
        WindowsTest::showAt(button, QRect(0, 0, 40, 20));
        QSignalSpy toggled(&button, &ZtSwitchButton::toggled);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&button);
        QCOMPARE(iface->role(), QAccessible::CheckBox);
        QVERIFY(!iface->text(QAccessible::Name).isEmpty() && iface->state().checkable);
        QList<bool> checked{bool(iface->state().checked)};
        for (int i = 0; i < 2; ++i) {
            KitraTest::click(&button, button.rect().center());
            checked << bool(iface->state().checked);
        }
        iface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        checked << bool(iface->state().checked);
        QCOMPARE(checked, QList<bool>({false, true, false, true}));
        QCOMPARE(WindowsTest::calls(toggled), QList<QVariantList>({{true}, {false}, {true}}));
    }
};

QTEST_MAIN(tst_WidgetAccessible)
#include "tst_widgetaccessible.moc"
