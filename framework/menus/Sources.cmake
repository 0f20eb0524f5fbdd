# Menus: items, popup and main menus, the menu windows and their modal loop.
set(NOVLA_FRAMEWORK_MENUS
    menus/ShortCut.cpp menus/MenuItem.cpp menus/Menu.cpp menus/PopupMenu.cpp
    menus/MainMenu.cpp menus/AutoHotkeys.cpp menus/MenuWindow.cpp menus/MenuLoop.cpp menus/MenuClasses.cpp)
