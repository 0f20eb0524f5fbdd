# Common controls: status bar, tool bar.
set(NOVLA_FRAMEWORK_COMCTRLS)
