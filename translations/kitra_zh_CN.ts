<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Calendar</name>
    <message>
        <source>09 2017</source>
        <translation>09 2017</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>日</translation>
    </message>
    <message>
        <source>MON</source>
        <translation>一</translation>
    </message>
    <message>
        <source>TUE</source>
        <translation>二</translation>
    </message>
    <message>
        <source>WED</source>
        <translation>三</translation>
    </message>
    <message>
        <source>THU</source>
        <translation>四</translation>
    </message>
    <message>
        <source>FRI</source>
        <translation>五</translation>
    </message>
    <message>
        <source>SAT</source>
        <translation>六</translation>
    </message>
    <message>
        <source>yyyy-MM-dd hh:mm:ss</source>
        <translation>yyyy-MM-dd hh:mm:ss</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>昨天</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今天</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>上一页</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一页</translation>
    </message>
</context>
<context>
    <name>ColorSelector</name>
    <message>
        <source>Colour %1</source>
        <translation>颜色 %1</translation>
    </message>
</context>
<context>
    <name>FolderBar</name>
    <message>
        <source>Section %1</source>
        <translation>第 %1 节</translation>
    </message>
</context>
<context>
    <name>NotifyWidget</name>
    <message>
        <source>Notice</source>
        <translation>通知</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
</context>
<context>
    <name>PicButton</name>
    <message>
        <source>Picture button</source>
        <translation>图片按钮</translation>
    </message>
</context>
<context>
    <name>TipWidget</name>
    <message>
        <source>Tip</source>
        <translation>提示</translation>
    </message>
</context>
<context>
    <name>ZtGUI::TVWallDisplayPTZSlider</name>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Drag to set the PTZ speed</source>
        <translation>拖动以设置云台速度</translation>
    </message>
</context>
<context>
    <name>ZtGUI::WPushButton</name>
    <message>
        <source>Icon button</source>
        <translation>图标按钮</translation>
    </message>
</context>
<context>
    <name>ZtGUI::WaitWidget</name>
    <message>
        <source>Please wait</source>
        <translation>请稍候</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>忙碌中</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtCalendar</name>
    <message>
        <source>Jan</source>
        <translation>1月</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>2月</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>3月</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>4月</translation>
    </message>
    <message>
        <source>May</source>
        <translation>5月</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>6月</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>7月</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>8月</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>9月</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>10月</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>11月</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>12月</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>昨天</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今天</translation>
    </message>
    <message>
        <source>Last week</source>
        <translation>上周</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>本周</translation>
    </message>
    <message>
        <source>Last month</source>
        <translation>上月</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>本月</translation>
    </message>
    <message>
        <source>Last year</source>
        <translation>去年</translation>
    </message>
    <message>
        <source>This year</source>
        <translation>今年</translation>
    </message>
    <message>
        <source>Choose the month or the year</source>
        <translation>选择月份或年份</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>日期和时间</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>年份</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>月份</translation>
    </message>
    <message>
        <source>Has records</source>
        <translation>有记录</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtCalendarEx</name>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>End</source>
        <translation>结束</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtCascadingListWidget</name>
    <message>
        <source>Choices</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Main items</source>
        <translation>主选项</translation>
    </message>
    <message>
        <source>Sub-items</source>
        <translation>子选项</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtComboBox</name>
    <message>
        <source>Choices</source>
        <translation>选项</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtCustomDialog</name>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtDateCalendar</name>
    <message>
        <source>Calendar</source>
        <translation>日历</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtDateTimeCalendar</name>
    <message>
        <source>Date range</source>
        <translation>日期范围</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtDateTimeEdit</name>
    <message>
        <source>Calendar</source>
        <translation>日历</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtDialog</name>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>还原</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtHeaderView</name>
    <message>
        <source>Select all</source>
        <translation>全选</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtMenuCustomCombox</name>
    <message>
        <source>Choices</source>
        <translation>选项</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtMessageBox</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtPathComboBox</name>
    <message>
        <source>Select Directory</source>
        <translation>选择目录</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtPopupButton</name>
    <message>
        <source>Pop-up</source>
        <translation>弹出窗口</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtSwitchButton</name>
    <message>
        <source>Switch</source>
        <translation>开关</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtTVWallDisplayScreen</name>
    <message>
        <source>Window</source>
        <translation>窗口</translation>
    </message>
    <message>
        <source>TVWall Locked!</source>
        <translation>电视墙已锁定！</translation>
    </message>
    <message>
        <source>Window locked!</source>
        <translation>窗口已锁定！</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtTVWallDisplayTitleItem</name>
    <message>
        <source>Show More</source>
        <translation>更多</translation>
    </message>
    <message>
        <source>More</source>
        <translation>更多</translation>
    </message>
    <message>
        <source>Show the title buttons that do not fit</source>
        <translation>显示放不下的标题栏按钮</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtTVWallDisplayVideo</name>
    <message>
        <source>Requesting stream...</source>
        <translation>正在请求码流...</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>超时</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtTVWallDisplayWindow</name>
    <message>
        <source>Open WindowCircle</source>
        <translation>开启窗口轮巡</translation>
    </message>
    <message>
        <source>close WindowCircle</source>
        <translation>关闭窗口轮巡</translation>
    </message>
    <message>
        <source>Open WindowPtz</source>
        <translation>打开云台控制</translation>
    </message>
    <message>
        <source>Close WindowPtz</source>
        <translation>关闭云台控制</translation>
    </message>
    <message>
        <source>WindowLock</source>
        <translation>锁定窗口</translation>
    </message>
    <message>
        <source>WindowUnLock</source>
        <translation>解锁窗口</translation>
    </message>
    <message>
        <source>Open Volume</source>
        <translation>打开声音</translation>
    </message>
    <message>
        <source>Close Volume</source>
        <translation>关闭声音</translation>
    </message>
    <message>
        <source>Dock</source>
        <translation>停靠</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>移动</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>还原</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Hide ptz, window moved</source>
        <translation>窗口已移动，云台控制已关闭</translation>
    </message>
    <message>
        <source>Hide ptz, window resized</source>
        <translation>窗口大小已改变，云台控制已关闭</translation>
    </message>
    <message>
        <source>Hide ptz, window unselected</source>
        <translation>窗口已取消选中，云台控制已关闭</translation>
    </message>
    <message>
        <source>Window locked!</source>
        <translation>窗口已锁定！</translation>
    </message>
    <message>
        <source>Window too small to open ptz.</source>
        <translation>窗口太小，无法打开云台控制。</translation>
    </message>
    <message>
        <source>Tour</source>
        <translation>轮巡</translation>
    </message>
    <message>
        <source>Ask to start or stop the window's tour</source>
        <translation>请求开始或停止窗口轮巡</translation>
    </message>
    <message>
        <source>PTZ</source>
        <translation>云台</translation>
    </message>
    <message>
        <source>Show or hide the pan, tilt and zoom controls</source>
        <translation>显示或隐藏云台控制</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>锁定</translation>
    </message>
    <message>
        <source>Ask to lock or unlock the window</source>
        <translation>请求锁定或解锁窗口</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Ask to turn the window's sound on or off</source>
        <translation>请求打开或关闭窗口声音</translation>
    </message>
    <message>
        <source>Fit to cells</source>
        <translation>适配单元格</translation>
    </message>
    <message>
        <source>Ask to snap the window to the screen's cells or free it</source>
        <translation>请求将窗口对齐到屏幕单元格或取消对齐</translation>
    </message>
    <message>
        <source>Maximise</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Fill the screen with the window, or restore it</source>
        <translation>窗口铺满屏幕，或还原</translation>
    </message>
    <message>
        <source>Ask to close the window</source>
        <translation>请求关闭窗口</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Turn the camera up</source>
        <translation>摄像机向上转</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>下</translation>
    </message>
    <message>
        <source>Turn the camera down</source>
        <translation>摄像机向下转</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>Turn the camera left</source>
        <translation>摄像机向左转</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>Turn the camera right</source>
        <translation>摄像机向右转</translation>
    </message>
    <message>
        <source>Up left</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>Turn the camera up and left</source>
        <translation>摄像机向左上转</translation>
    </message>
    <message>
        <source>Down left</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>Turn the camera down and left</source>
        <translation>摄像机向左下转</translation>
    </message>
    <message>
        <source>Up right</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>Turn the camera up and right</source>
        <translation>摄像机向右上转</translation>
    </message>
    <message>
        <source>Down right</source>
        <translation>右下</translation>
    </message>
    <message>
        <source>Turn the camera down and right</source>
        <translation>摄像机向右下转</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom the camera in</source>
        <translation>摄像机变倍放大</translation>
    </message>
    <message>
        <source>Focus near</source>
        <translation>近焦</translation>
    </message>
    <message>
        <source>Focus the camera nearer</source>
        <translation>摄像机向近处聚焦</translation>
    </message>
    <message>
        <source>Open aperture</source>
        <translation>光圈开大</translation>
    </message>
    <message>
        <source>Open the camera's aperture</source>
        <translation>开大摄像机光圈</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Zoom the camera out</source>
        <translation>摄像机变倍缩小</translation>
    </message>
    <message>
        <source>Focus far</source>
        <translation>远焦</translation>
    </message>
    <message>
        <source>Focus the camera farther</source>
        <translation>摄像机向远处聚焦</translation>
    </message>
    <message>
        <source>Close aperture</source>
        <translation>光圈关小</translation>
    </message>
    <message>
        <source>Close the camera's aperture</source>
        <translation>关小摄像机光圈</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Show or hide the PTZ speed slider</source>
        <translation>显示或隐藏云台速度滑块</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtTVWallDisplayWnd</name>
    <message>
        <source>Maximise window</source>
        <translation>最大化窗口</translation>
    </message>
    <message>
        <source>Restore window</source>
        <translation>还原窗口</translation>
    </message>
    <message>
        <source>Resize window</source>
        <translation>调整窗口大小</translation>
    </message>
    <message>
        <source>Move window(s)</source>
        <translation>移动窗口</translation>
    </message>
    <message>
        <source>Left %1, top %2, right %3, bottom %4</source>
        <translation>左 %1，上 %2，右 %3，下 %4</translation>
    </message>
    <message>
        <source>Window %1 on screen %2</source>
        <translation>屏幕 %2 上的窗口 %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Screen %1</source>
        <translation>屏幕 %1</translation>
    </message>
    <message>
        <source>TV wall</source>
        <translation>电视墙</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtTVWallNormalScreen</name>
    <message>
        <source>Window</source>
        <translation>窗口</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtTVWallNormalWindow</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Open Volume</source>
        <translation>打开声音</translation>
    </message>
    <message>
        <source>SelfAdaption</source>
        <translation>自适应</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>锁定</translation>
    </message>
    <message>
        <source>PtzControl</source>
        <translation>云台控制</translation>
    </message>
    <message>
        <source>MeetingMode</source>
        <translation>会议模式</translation>
    </message>
    <message>
        <source>WindowCircle</source>
        <translation>窗口轮巡</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>还原</translation>
    </message>
    <message>
        <source>Close Volume</source>
        <translation>关闭声音</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtTVWallNormalWnd</name>
    <message>
        <source>Screen</source>
        <translation>屏幕</translation>
    </message>
    <message>
        <source>Resize window</source>
        <translation>调整窗口大小</translation>
    </message>
    <message>
        <source>Move window(s)</source>
        <translation>移动窗口</translation>
    </message>
    <message>
        <source>Restore window</source>
        <translation>还原窗口</translation>
    </message>
    <message>
        <source>Maximise window</source>
        <translation>最大化窗口</translation>
    </message>
    <message>
        <source>Fit window to cells</source>
        <translation>窗口适应单元格</translation>
    </message>
    <message>
        <source>Left %1, top %2, right %3, bottom %4</source>
        <translation>左 %1，上 %2，右 %3，下 %4</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Ask to close the window</source>
        <translation>请求关闭窗口</translation>
    </message>
    <message>
        <source>Maximise</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Fill the screen with the window, or restore it</source>
        <translation>窗口铺满屏幕，或还原</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Ask to turn the window's sound on or off</source>
        <translation>请求打开或关闭窗口声音</translation>
    </message>
    <message>
        <source>Fit to cells</source>
        <translation>适配单元格</translation>
    </message>
    <message>
        <source>Snap the window to whole grid cells, or restore it</source>
        <translation>将窗口对齐到整格，或还原</translation>
    </message>
    <message>
        <source>TV wall</source>
        <translation>电视墙</translation>
    </message>
    <message>
        <source>Screen %1</source>
        <translation>屏幕 %1</translation>
    </message>
    <message>
        <source>Window %1 on screen %2</source>
        <translation>屏幕 %2 上的窗口 %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtTableViewItemDelegate</name>
    <message>
        <source>Row %1, column %2</source>
        <translation>第 %1 行，第 %2 列</translation>
    </message>
</context>
<context>
    <name>ZtGUI::ZtTipLabel</name>
    <message>
        <source>Tip</source>
        <translation>提示</translation>
    </message>
</context>
</TS>
