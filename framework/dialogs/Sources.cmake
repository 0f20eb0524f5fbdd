# The file dialogs, built from the standard controls.
set(NOVLA_FRAMEWORK_DIALOGS dialogs/FileDialogs.cpp)
