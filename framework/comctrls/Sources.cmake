# Common controls: status bar, tool bar.
set(NOVLA_FRAMEWORK_COMCTRLS
    comctrls/StatusPanel.cpp comctrls/StatusBar.cpp comctrls/ToolButton.cpp comctrls/ToolBar.cpp
    comctrls/ProgressBar.cpp comctrls/TrackBar.cpp
    comctrls/CommonControlClasses.cpp)
