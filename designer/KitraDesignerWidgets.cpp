// The library's widgets offered to forms. A widget joins the list when it can live inside a form:
// constructed from a parent alone and not a window of its own.
#include "KitraDesignerPlugin.h"

#include "ColorSelector.h"
#include "FolderBar.h"
#include "PicButton.h"
#include "WPushButton.h"
#include "ZtBaseView.h"
#include "ZtBaseWindowTitle.h"
#include "ZtCalendar.h"
#include "ZtCalendarEx.h"
#include "ZtCascadingListComBox.h"
#include "ZtCheckBox.h"
#include "ZtComboBox.h"
#include "ZtCustomComboBox.h"
#include "ZtDateCalendar.h"
#include "ZtDateEdit.h"
#include "ZtDateTimeCalendar.h"
#include "ZtDateTimeEdit.h"
#include "ZtHorScrollBar.h"
#include "ZtLineEdit.h"
#include "ZtListView.h"
#include "ZtListWidget.h"
#include "ZtMenuCustomCombox.h"
#include "ZtPathComboBox.h"
#include "ZtPopupButton.h"
#include "ZtPushButton.h"
#include "ZtScrollBar.h"
#include "ZtSubPushButton.h"
#include "ZtSwitchButton.h"
#include "ZtTVWallDisplayWnd.h"
#include "ZtTVWallNormalWnd.h"
#include "ZtTVWallOperateWnd.h"
#include "ZtTableView.h"
#include "ZtTableViewSvg.h"
#include "ZtTimeEdit.h"
#include "ZtVerScrollBar.h"

namespace {

template <typename Widget>
KitraDesignerWidget entry(const char* className, const char* include, const char* toolTip, const char* icon,
                          QSize size, bool container = false)
{
    return {QString::fromLatin1(className), QString::fromLatin1(include), QString::fromLatin1(toolTip),
            QStringLiteral(":/kitra/designer/") + QLatin1String(icon) + QStringLiteral(".svg"),
            QRect(QPoint(0, 0), size), container, [](QWidget* parent) -> QWidget* { return new Widget(parent); }};
}

} // namespace

QList<KitraDesignerWidget> kitraDesignerWidgets()
{
    using namespace ZtGUI;
    return {
        entry<ZtTVWallNormalWnd>("ZtGUI::ZtTVWallNormalWnd", "ZtTVWallNormalWnd.h",
                                 "A wall of screens on a grid, drawn on a graphics scene", "wall", {480, 270}),
        entry<ZtTVWallDisplayWnd>("ZtGUI::ZtTVWallDisplayWnd", "ZtTVWallDisplayWnd.h",
                                  "A wall of screens on a grid, built from child widgets", "wall", {480, 270}),
        entry<ZtTVWallOperateWnd>("ZtGUI::ZtTVWallOperateWnd", "ZtTVWallOperateWnd.h",
                                  "The TV wall a host places: the scene wall or the display wall behind one "
                                  "interface", "wall", {480, 270}),
        entry<ZtCalendar>("ZtGUI::ZtCalendar", "ZtCalendar.h",
                          "Month calendar with quick ranges and record marks", "calendar", {220, 260}),
        entry<ZtCalendarEx>("ZtGUI::ZtCalendarEx", "ZtCalendarEx.h",
                            "Two-month calendar for a start and an end", "calendar", {460, 300}),
        entry<ZtDateCalendar>("ZtGUI::ZtDateCalendar", "ZtDateCalendar.h",
                              "Button that picks a day, week, month, year or period", "calendar", {180, 24}),
        entry<ZtDateTimeCalendar>("ZtGUI::ZtDateTimeCalendar", "ZtDateTimeCalendar.h",
                                  "Button that picks a date and time range", "calendar", {260, 24}),
        entry<ZtDateEdit>("ZtGUI::ZtDateEdit", "ZtDateEdit.h", "Date field", "edit", {120, 24}),
        entry<ZtTimeEdit>("ZtGUI::ZtTimeEdit", "ZtTimeEdit.h", "Time field", "edit", {100, 24}),
        entry<ZtDateTimeEdit>("ZtGUI::ZtDateTimeEdit", "ZtDateTimeEdit.h",
                              "Date and time field with a pop-up calendar", "edit", {180, 24}),
        entry<ZtPushButton>("ZtGUI::ZtPushButton", "ZtPushButton.h", "Push button in the skin's look", "button",
                            {80, 28}),
        entry<ZtSubPushButton>("ZtGUI::ZtSubPushButton", "ZtSubPushButton.h", "Secondary push button", "button",
                               {80, 28}),
        entry<WPushButton>("ZtGUI::WPushButton", "WPushButton.h", "Push button with a picture and a text",
                           "button", {100, 32}),
        entry<PicButton>("PicButton", "PicButton.h", "Button drawn from pictures per state", "button", {32, 32}),
        entry<ZtListView>("ZtGUI::ZtListView", "ZtListView.h", "List view with the skin's scroll bars", "list",
                          {200, 240}),
        entry<ZtListWidget>("ZtGUI::ZtListWidget", "ZtListWidget.h", "List widget with the skin's scroll bars",
                            "list", {200, 240}),
        entry<ZtScrollBar>("ZtGUI::ZtScrollBar", "ZtScrollBar.h", "Scroll bar in the skin's look", "list", {12, 200}),
        entry<ZtHorScrollBar>("ZtGUI::ZtHorScrollBar", "ZtHorScrollBar.h", "Horizontal scroll bar", "list",
                              {200, 12}),
        entry<ZtVerScrollBar>("ZtGUI::ZtVerScrollBar", "ZtVerScrollBar.h", "Vertical scroll bar", "list", {12, 200}),
        entry<ZtLineEdit>("ZtGUI::ZtLineEdit", "ZtLineEdit.h", "Line edit with a byte limit, a pattern and a hint bubble",
                          "edit", {160, 24}),
        entry<ZtSwitchButton>("ZtGUI::ZtSwitchButton", "ZtSwitchButton.h", "Switch that slides between off and on",
                              "button", {44, 22}),
        entry<ZtCheckBox>("ZtGUI::ZtCheckBox", "ZtCheckBox.h", "Check box in the skin's look", "button", {100, 22}),
        entry<ColorSelector>("ColorSelector", "ColorSelector.h", "Colour swatch that opens a colour dialog", "button",
                             {80, 24}),
        entry<FolderBar>("FolderBar", "FolderBar.h", "Pages under headers that slide open", "list", {200, 300},
                         true),
        entry<ZtComboBox>("ZtGUI::ZtComboBox", "ZtComboBox.h", "Combo box with the library's list", "edit", {160, 24}),
        entry<ZtCustomComboBox>("ZtGUI::ZtCustomComboBox", "ZtCustomComboBox.h",
                                "Combo box that opens an application widget as its pop-up", "edit", {160, 24}),
        entry<ZtCascadingListComBox>("ZtGUI::ZtCascadingListComBox", "ZtCascadingListComBox.h",
                                     "Combo box choosing a main item, or one of its sub-items beside it", "edit",
                                     {160, 24}),
        entry<ZtMenuCustomCombox>("ZtGUI::ZtMenuCustomCombox", "ZtMenuCustomCombox.h",
                                  "Combo box choosing from a menu with a sub-menu per main item", "edit", {160, 24}),
        entry<ZtPathComboBox>("ZtGUI::ZtPathComboBox", "ZtPathComboBox.h",
                              "Combo box whose arrow asks for a file or a directory", "edit", {200, 24}),
        entry<ZtPopupButton>("ZtGUI::ZtPopupButton", "ZtPopupButton.h",
                             "Tool button that drops down an application widget", "button", {32, 24}),
        entry<ZtBaseView>("ZtGUI::ZtBaseView", "ZtBaseView.h", "Tree view with clickable pictures in its cells",
                          "list", {320, 200}),
        entry<ZtTableView>("ZtGUI::ZtTableView", "ZtTableView.h",
                           "Table with clickable pictures and editors in its cells", "list", {320, 200}),
        entry<ZtTableViewSvg>("ZtGUI::ZtTableViewSvg", "ZtTableViewSvg.h",
                              "Table with clickable SVG pictures and editors in its cells", "list", {320, 200}),
        entry<ZtBaseWindowTitle>("ZtGUI::ZtBaseWindowTitle", "ZtBaseWindowTitle.h",
                                 "Title bar that moves, fills and stretches a frameless window", "window",
                                 {400, 32}, true),
    };
}
