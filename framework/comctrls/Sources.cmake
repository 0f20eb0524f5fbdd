# Common controls: status bar, tool bar, tab and page controls.
set(NOVLA_FRAMEWORK_COMCTRLS
    comctrls/StatusPanel.cpp comctrls/StatusBar.cpp comctrls/ToolButton.cpp comctrls/ToolBar.cpp
    comctrls/ProgressBar.cpp comctrls/TrackBar.cpp
    comctrls/TabControl.cpp comctrls/PageControl.cpp comctrls/TabSheet.cpp
    comctrls/CommonControlClasses.cpp)
