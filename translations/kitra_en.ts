<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Calendar</name>
    <message>
        <source>09 2017</source>
        <translation>09 2017</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>SUN</translation>
    </message>
    <message>
        <source>MON</source>
        <translation>MON</translation>
    </message>
    <message>
        <source>TUE</source>
        <translation>TUE</translation>
    </message>
    <message>
        <source>WED</source>
        <translation>WED</translation>
    </message>
    <message>
        <source>THU</source>
        <translation>THU</translation>
    </message>
    <message>
        <source>FRI</source>
        <translation>FRI</translation>
    </message>
    <message>
        <source>SAT</source>
        <translation>SAT</translation>
    </message>
    <message>
        <source>yyyy-MM-dd hh:mm:ss</source>
        <translation>yyyy-MM-dd hh:mm:ss</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Yesterday</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
</context>
<context>
    <name>ColorSelector</name>
    <message>
        <source>Colour %1</source>
        <translation>Colour %1</translation>
    </message>
</context>
<context>
    <name>FolderBar</name>
    <message>
        <source>Section %1</source>
        <translation>Section %1</translation>
    </message>
</context>
<context>
    <name>NotifyWidget</name>
    <message>
        <source>Notice</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Success</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>PicButton</name>
    <message>
        <source>Picture button</source>
        <translation>Picture button</translation>
    </message>
</context>
<context>
    <name>TipWidget</name>
    <message>
        <source>Tip</source>
        <translation>Tip</translation>
    </message>
</context>
<context>
    <name>ZtGUI::TVWallDisplayPTZSlider</name>
    <message>
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Drag to set the PTZ speed</source>
        <translation>Drag to set the PTZ speed</translation>
    </message>
</context>
<context>
    <name>ZtGUI::WPushButton</name>
    <message>
        <source>Icon button</source>
        <translation>Icon button</translation>
    </message>
</context>
<context>
    <name>ZtGUI::WaitWidget</name>
    <message>
        <source>Please wait</source>
        <translation>Please wait</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Busy</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtCalendar</name>
    <message>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>May</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Oct</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dec</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Yesterday</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Today</translation>
    </message>
    <message>
        <source>Last week</source>
        <translation>Last week</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>This week</translation>
    </message>
    <message>
        <source>Last month</source>
        <translation>Last month</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>This month</translation>
    </message>
    <message>
        <source>Last year</source>
        <translation>Last year</translation>
    </message>
    <message>
        <source>This year</source>
        <translation>This year</translation>
    </message>
    <message>
        <source>Choose the month or the year</source>
        <translation>Choose the month or the year</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Days</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Years</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Months</translation>
    </message>
    <message>
        <source>Has records</source>
        <translation>Has records</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtCalendarEx</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtCascadingListWidget</name>
    <message>
        <source>Choices</source>
        <translation>Choices</translation>
    </message>
    <message>
        <source>Main items</source>
        <translation>Main items</translation>
    </message>
    <message>
        <source>Sub-items</source>
        <translation>Sub-items</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtComboBox</name>
    <message>
        <source>Choices</source>
        <translation>Choices</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtCustomDialog</name>
    <message>
        <source>Other</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtDateCalendar</name>
    <message>
        <source>Calendar</source>
        <translation>Calendar</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtDateTimeCalendar</name>
    <message>
        <source>Date range</source>
        <translation>Date range</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtDateTimeEdit</name>
    <message>
        <source>Calendar</source>
        <translation>Calendar</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtDialog</name>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximize</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtHeaderView</name>
    <message>
        <source>Select all</source>
        <translation>Select all</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtMenuCustomCombox</name>
    <message>
        <source>Choices</source>
        <translation>Choices</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtMessageBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtPathComboBox</name>
    <message>
        <source>Select Directory</source>
        <translation>Select Directory</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtPopupButton</name>
    <message>
        <source>Pop-up</source>
        <translation>Pop-up</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtSwitchButton</name>
    <message>
        <source>Switch</source>
        <translation>Switch</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtTVWallDisplayScreen</name>
    <message>
        <source>Window</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>TVWall Locked!</source>
        <translation>TVWall Locked!</translation>
    </message>
    <message>
        <source>Window locked!</source>
        <translation>Window locked!</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtTVWallDisplayTitleItem</name>
    <message>
        <source>Show More</source>
        <translation>Show More</translation>
    </message>
    <message>
        <source>More</source>
        <translation>More</translation>
    </message>
    <message>
        <source>Show the title buttons that do not fit</source>
        <translation>Show the title buttons that do not fit</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtTVWallDisplayVideo</name>
    <message>
        <source>Requesting stream...</source>
        <translation>Requesting stream...</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Timeout</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtTVWallDisplayWindow</name>
    <message>
        <source>Open WindowCircle</source>
        <translation>Open WindowCircle</translation>
    </message>
    <message>
        <source>close WindowCircle</source>
        <translation>close WindowCircle</translation>
    </message>
    <message>
        <source>Open WindowPtz</source>
        <translation>Open WindowPtz</translation>
    </message>
    <message>
        <source>Close WindowPtz</source>
        <translation>Close WindowPtz</translation>
    </message>
    <message>
        <source>WindowLock</source>
        <translation>WindowLock</translation>
    </message>
    <message>
        <source>WindowUnLock</source>
        <translation>WindowUnLock</translation>
    </message>
    <message>
        <source>Open Volume</source>
        <translation>Open Volume</translation>
    </message>
    <message>
        <source>Close Volume</source>
        <translation>Close Volume</translation>
    </message>
    <message>
        <source>Dock</source>
        <translation>Dock</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Hide ptz, window moved</source>
        <translation>Hide ptz, window moved</translation>
    </message>
    <message>
        <source>Hide ptz, window resized</source>
        <translation>Hide ptz, window resized</translation>
    </message>
    <message>
        <source>Hide ptz, window unselected</source>
        <translation>Hide ptz, window unselected</translation>
    </message>
    <message>
        <source>Window locked!</source>
        <translation>Window locked!</translation>
    </message>
    <message>
        <source>Window too small to open ptz.</source>
        <translation>Window too small to open ptz.</translation>
    </message>
    <message>
        <source>Tour</source>
        <translation>Tour</translation>
    </message>
    <message>
        <source>Ask to start or stop the window's tour</source>
        <translation>Ask to start or stop the window's tour</translation>
    </message>
    <message>
        <source>PTZ</source>
        <translation>PTZ</translation>
    </message>
    <message>
        <source>Show or hide the pan, tilt and zoom controls</source>
        <translation>Show or hide the pan, tilt and zoom controls</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Lock</translation>
    </message>
    <message>
        <source>Ask to lock or unlock the window</source>
        <translation>Ask to lock or unlock the window</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Ask to turn the window's sound on or off</source>
        <translation>Ask to turn the window's sound on or off</translation>
    </message>
    <message>
        <source>Fit to cells</source>
        <translation>Fit to cells</translation>
    </message>
    <message>
        <source>Ask to snap the window to the screen's cells or free it</source>
        <translation>Ask to snap the window to the screen's cells or free it</translation>
    </message>
    <message>
        <source>Maximise</source>
        <translation>Maximise</translation>
    </message>
    <message>
        <source>Fill the screen with the window, or restore it</source>
        <translation>Fill the screen with the window, or restore it</translation>
    </message>
    <message>
        <source>Ask to close the window</source>
        <translation>Ask to close the window</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Turn the camera up</source>
        <translation>Turn the camera up</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Turn the camera down</source>
        <translation>Turn the camera down</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Turn the camera left</source>
        <translation>Turn the camera left</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Turn the camera right</source>
        <translation>Turn the camera right</translation>
    </message>
    <message>
        <source>Up left</source>
        <translation>Up left</translation>
    </message>
    <message>
        <source>Turn the camera up and left</source>
        <translation>Turn the camera up and left</translation>
    </message>
    <message>
        <source>Down left</source>
        <translation>Down left</translation>
    </message>
    <message>
        <source>Turn the camera down and left</source>
        <translation>Turn the camera down and left</translation>
    </message>
    <message>
        <source>Up right</source>
        <translation>Up right</translation>
    </message>
    <message>
        <source>Turn the camera up and right</source>
        <translation>Turn the camera up and right</translation>
    </message>
    <message>
        <source>Down right</source>
        <translation>Down right</translation>
    </message>
    <message>
        <source>Turn the camera down and right</source>
        <translation>Turn the camera down and right</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Zoom the camera in</source>
        <translation>Zoom the camera in</translation>
    </message>
    <message>
        <source>Focus near</source>
        <translation>Focus near</translation>
    </message>
    <message>
        <source>Focus the camera nearer</source>
        <translation>Focus the camera nearer</translation>
    </message>
    <message>
        <source>Open aperture</source>
        <translation>Open aperture</translation>
    </message>
    <message>
        <source>Open the camera's aperture</source>
        <translation>Open the camera's aperture</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Zoom the camera out</source>
        <translation>Zoom the camera out</translation>
    </message>
    <message>
        <source>Focus far</source>
        <translation>Focus far</translation>
    </message>
    <message>
        <source>Focus the camera farther</source>
        <translation>Focus the camera farther</translation>
    </message>
    <message>
        <source>Close aperture</source>
        <translation>Close aperture</translation>
    </message>
    <message>
        <source>Close the camera's aperture</source>
        <translation>Close the camera's aperture</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Show or hide the PTZ speed slider</source>
        <translation>Show or hide the PTZ speed slider</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtTVWallDisplayWnd</name>
    <message>
        <source>Maximise window</source>
        <translation>Maximise window</translation>
    </message>
    <message>
        <source>Restore window</source>
        <translation>Restore window</translation>
    </message>
    <message>
        <source>Resize window</source>
        <translation>Resize window</translation>
    </message>
    <message>
        <source>Move window(s)</source>
        <translation>Move window(s)</translation>
    </message>
    <message>
        <source>Left %1, top %2, right %3, bottom %4</source>
        <translation>Left %1, top %2, right %3, bottom %4</translation>
    </message>
    <message>
        <source>Window %1 on screen %2</source>
        <translation>Window %1 on screen %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Screen %1</source>
        <translation>Screen %1</translation>
    </message>
    <message>
        <source>TV wall</source>
        <translation>TV wall</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtTVWallNormalScreen</name>
    <message>
        <source>Window</source>
        <translation>Window</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtTVWallNormalWindow</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Open Volume</source>
        <translation>Open Volume</translation>
    </message>
    <message>
        <source>SelfAdaption</source>
        <translation>SelfAdaption</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Lock</translation>
    </message>
    <message>
        <source>PtzControl</source>
        <translation>PtzControl</translation>
    </message>
    <message>
        <source>MeetingMode</source>
        <translation>MeetingMode</translation>
    </message>
    <message>
        <source>WindowCircle</source>
        <translation>WindowCircle</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Close Volume</source>
        <translation>Close Volume</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtTVWallNormalWnd</name>
    <message>
        <source>Screen</source>
        <translation>Screen</translation>
    </message>
    <message>
        <source>Resize window</source>
        <translation>Resize window</translation>
    </message>
    <message>
        <source>Move window(s)</source>
        <translation>Move window(s)</translation>
    </message>
    <message>
        <source>Restore window</source>
        <translation>Restore window</translation>
    </message>
    <message>
        <source>Maximise window</source>
        <translation>Maximise window</translation>
    </message>
    <message>
        <source>Fit window to cells</source>
        <translation>Fit window to cells</translation>
    </message>
    <message>
        <source>Left %1, top %2, right %3, bottom %4</source>
        <translation>Left %1, top %2, right %3, bottom %4</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Ask to close the window</source>
        <translation>Ask to close the window</translation>
    </message>
    <message>
        <source>Maximise</source>
        <translation>Maximise</translation>
    </message>
    <message>
        <source>Fill the screen with the window, or restore it</source>
        <translation>Fill the screen with the window, or restore it</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Ask to turn the window's sound on or off</source>
        <translation>Ask to turn the window's sound on or off</translation>
    </message>
    <message>
        <source>Fit to cells</source>
        <translation>Fit to cells</translation>
    </message>
    <message>
        <source>Snap the window to whole grid cells, or restore it</source>
        <translation>Snap the window to whole grid cells, or restore it</translation>
    </message>
    <message>
        <source>TV wall</source>
        <translation>TV wall</translation>
    </message>
    <message>
        <source>Screen %1</source>
        <translation>Screen %1</translation>
    </message>
    <message>
        <source>Window %1 on screen %2</source>
        <translation>Window %1 on screen %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtTableViewItemDelegate</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>Row %1, column %2</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtTipLabel</name>
    <message>
        <source>Tip</source>
        <translation>Tip</translation>
    </message>
</context>
</TS>
