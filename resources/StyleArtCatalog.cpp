#include "resources/StyleArt.h"

#include <strings.h>

namespace
{
constexpr TArtFormat Bmp = TArtFormat::Bmp;

constexpr TStyleArtEntry Catalog[] = {
    // MacOS
    {"MACOS_BUTTON", "MacOS", 252, 23, 3, Bmp, 24},
    {"MACOS_CHECKBOX", "MacOS", 60, 17, 4, Bmp, 24},
    {"MACOS_RADIOBUTTON", "MacOS", 64, 17, 4, Bmp, 24},
    {"MACOS_TITLEBTN", "MacOS", 306, 17, 18, Bmp, 24},
    {"MACOS_TITLE_LEFT", "MacOS", 48, 23, 1, Bmp, 24},
    {"MACOS_TITLE_CLIENT", "MacOS", 49, 23, 1, Bmp, 24},
    {"MACOS_TITLE_RIGHT", "MacOS", 48, 23, 1, Bmp, 24},
    {"MACOS_PROGRESSBAR", "MacOS", 13, 10, 1, Bmp, 24},
    {"MACOS_TRACKBAR_BAR", "MacOS", 45, 5, 1, Bmp, 24},
    {"MACOS_TRACKBAR_SLIDER", "MacOS", 11, 20, 1, Bmp, 24},
    {"MACOS_TRACKBAR_SLIDER_V", "MacOS", 19, 11, 1, Bmp, 24},
    {"MACOS_SCROLLBAR_BUTTON", "MacOS", 96, 22, 6, Bmp, 24},
    {"MACOS_SCROLLBAR_TRACK", "MacOS", 33, 16, 3, Bmp, 24},
    {"MACOS_CHECKLIST", "MacOS", 40, 11, 4, Bmp, 24},
    {"MACOS_SCROLLBUTTON", "MacOS", 72, 18, 4, Bmp, 24},
    {"MACOS_TAB", "MacOS", 36, 27, 2, Bmp, 24},
    {"MACOS_TAB_LINE", "MacOS", 17, 7, 1, Bmp, 24},
    {"MACOS_SIDECHENNEL_HANDLE", "MacOS", 7, 84, 1, Bmp, 24},
    {"MACOS_SIDECHENNEL_BAR", "MacOS", 1, 21, 1, Bmp, 24},
    {"MACOS_FORM_BACKGROUND", "MacOS", 8, 8, 1, Bmp, 24},
    {"MACOS_COMBOBOX_BUTTON", "MacOS", 16, 17, 1, Bmp, 24},
    {"MACOS_MENU_BAR", "MacOS", 1, 22, 1, Bmp, 24},
    {"MACOS_MENU_SELECT", "MacOS", 1, 21, 1, Bmp, 24},
    // WinXP
    {"WINXP_BUTTON", "WinXP", 54, 21, 3, Bmp, 24},
    {"WINXP_CHECKBOX", "WinXP", 52, 13, 4, Bmp, 24},
    {"WINXP_RADIOBUTTON", "WinXP", 52, 13, 4, Bmp, 24},
    {"WINXP_TITLEBTN", "WinXP", 378, 21, 18, Bmp, 24},
    {"WINXP_TITLE_LEFT", "WinXP", 35, 29, 1, Bmp, 24},
    {"WINXP_TITLE_CLIENT", "WinXP", 37, 29, 1, Bmp, 24},
    {"WINXP_TITLE_RIGHT", "WinXP", 35, 29, 1, Bmp, 24},
    {"WINXP_PROGRESSBAR", "WinXP", 6, 10, 1, Bmp, 24},
    {"WINXP_TRACKBAR_BAR", "WinXP", 45, 8, 1, Bmp, 24},
    {"WINXP_TRACKBAR_SLIDER", "WinXP", 11, 21, 1, Bmp, 24},
    {"WINXP_TRACKBAR_SLIDER_V", "WinXP", 22, 11, 1, Bmp, 24},
    {"WINXP_SCROLLBAR_BUTTON", "WinXP", 96, 17, 6, Bmp, 24},
    {"WINXP_SCROLLBAR_TRACK", "WinXP", 21, 16, 3, Bmp, 24},
    {"WINXP_CHECKLIST", "WinXP", 44, 11, 4, Bmp, 24},
    {"WINXP_SCROLLBUTTON", "WinXP", 72, 18, 4, Bmp, 24},
    {"WINXP_TAB", "WinXP", 18, 18, 2, Bmp, 24},
    {"WINXP_TAB_LINE", "WinXP", 8, 1, 1, Bmp, 24},
    {"WINXP_SIDECHENNEL_HANDLE", "WinXP", 8, 86, 1, Bmp, 24},
    {"WINXP_SIDECHENNEL_BAR", "WinXP", 1, 21, 1, Bmp, 24},
    {"WINXP_COMBOBOX_BUTTON", "WinXP", 16, 18, 1, Bmp, 24},
    // DeepBlue
    {"DEEPBLUE_BUTTON", "DeepBlue", 222, 21, 3, Bmp, 24},
    {"DEEPBLUE_CHECKBOX", "DeepBlue", 52, 13, 4, Bmp, 24},
    {"DEEPBLUE_RADIOBUTTON", "DeepBlue", 52, 13, 4, Bmp, 24},
    {"DEEPBLUE_TITLEBTN", "DeepBlue", 342, 19, 18, Bmp, 24},
    {"DEEPBLUE_TITLE_LEFT", "DeepBlue", 97, 32, 1, Bmp, 24},
    {"DEEPBLUE_TITLE_CLIENT", "DeepBlue", 98, 32, 1, Bmp, 24},
    {"DEEPBLUE_TITLE_RIGHT", "DeepBlue", 97, 32, 1, Bmp, 24},
    {"DEEPBLUE_PROGRESSBAR", "DeepBlue", 1, 10, 1, Bmp, 24},
    {"DEEPBLUE_TRACKBAR_BAR", "DeepBlue", 45, 4, 1, Bmp, 24},
    {"DEEPBLUE_TRACKBAR_SLIDER", "DeepBlue", 11, 20, 1, Bmp, 24},
    {"DEEPBLUE_TRACKBAR_SLIDER_V", "DeepBlue", 18, 11, 1, Bmp, 24},
    {"DEEPBLUE_SCROLLBAR_BUTTON", "DeepBlue", 96, 16, 6, Bmp, 24},
    {"DEEPBLUE_SCROLLBAR_TRACK", "DeepBlue", 21, 16, 3, Bmp, 24},
    {"DEEPBLUE_CHECKLIST", "DeepBlue", 44, 11, 4, Bmp, 24},
    {"DEEPBLUE_TAB", "DeepBlue", 12, 17, 2, Bmp, 24},
    {"DEEPBLUE_TAB_LINE", "DeepBlue", 5, 5, 1, Bmp, 24},
    {"DEEPBLUE_SIDECHENNEL_HANDLE", "DeepBlue", 8, 83, 1, Bmp, 24},
    {"DEEPBLUE_SIDECHENNEL_BAR", "DeepBlue", 1, 20, 1, Bmp, 24},
    // Protein
    {"PROTEIN_BUTTON", "Protein", 222, 21, 3, Bmp, 24},
    {"PROTEIN_CHECKBOX", "Protein", 52, 13, 4, Bmp, 24},
    {"PROTEIN_RADIOBUTTON", "Protein", 52, 13, 4, Bmp, 24},
    {"PROTEIN_TITLEBTN", "Protein", 342, 19, 18, Bmp, 24},
    {"PROTEIN_TITLE_LEFT", "Protein", 441, 23, 1, Bmp, 24},
    {"PROTEIN_TITLE_CLIENT", "Protein", 1, 23, 1, Bmp, 24},
    {"PROTEIN_TITLE_RIGHT", "Protein", 1, 23, 1, Bmp, 24},
    {"PROTEIN_PROGRESSBAR", "Protein", 1, 10, 1, Bmp, 24},
    {"PROTEIN_TRACKBAR_BAR", "Protein", 45, 4, 1, Bmp, 24},
    {"PROTEIN_TRACKBAR_SLIDER", "Protein", 11, 20, 1, Bmp, 24},
    {"PROTEIN_TRACKBAR_SLIDER_V", "Protein", 18, 11, 1, Bmp, 24},
    {"PROTEIN_SCROLLBAR_BUTTON", "Protein", 96, 16, 6, Bmp, 24},
    {"PROTEIN_SCROLLBAR_TRACK", "Protein", 21, 16, 3, Bmp, 24},
    {"PROTEIN_CHECKLIST", "Protein", 44, 11, 4, Bmp, 24},
    {"PROTEIN_TAB", "Protein", 18, 17, 2, Bmp, 24},
    {"PROTEIN_TAB_LINE", "Protein", 10, 5, 1, Bmp, 24},
    {"PROTEIN_SIDECHENNEL_HANDLE", "Protein", 8, 83, 1, Bmp, 24},
    {"PROTEIN_SIDECHENNEL_BAR", "Protein", 1, 21, 1, Bmp, 24},
    {"PROTEIN_FORM_BACKGROUND", "Protein", 8, 8, 1, Bmp, 24},
    // BlueGlass
    {"BLUEGLASS_BUTTON", "BlueGlass", 231, 27, 3, Bmp, 24},
    {"BLUEGLASS_CHECKBOX", "BlueGlass", 52, 13, 4, Bmp, 24},
    {"BLUEGLASS_RADIOBUTTON", "BlueGlass", 52, 13, 4, Bmp, 24},
    {"BLUEGLASS_TITLEBTN", "BlueGlass", 342, 19, 18, Bmp, 24},
    {"BLUEGLASS_TITLE_LEFT", "BlueGlass", 162, 33, 1, Bmp, 24},
    {"BLUEGLASS_TITLE_CLIENT", "BlueGlass", 179, 33, 1, Bmp, 24},
    {"BLUEGLASS_TITLE_RIGHT", "BlueGlass", 101, 33, 1, Bmp, 24},
    {"BLUEGLASS_PROGRESSBAR", "BlueGlass", 1, 10, 1, Bmp, 24},
    {"BLUEGLASS_TRACKBAR_BAR", "BlueGlass", 45, 4, 1, Bmp, 24},
    {"BLUEGLASS_TRACKBAR_SLIDER", "BlueGlass", 11, 20, 1, Bmp, 24},
    {"BLUEGLASS_TRACKBAR_SLIDER_V", "BlueGlass", 18, 11, 1, Bmp, 24},
    {"BLUEGLASS_SCROLLBAR_BUTTON", "BlueGlass", 102, 16, 6, Bmp, 24},
    {"BLUEGLASS_SCROLLBAR_TRACK", "BlueGlass", 21, 16, 3, Bmp, 24},
    {"BLUEGLASS_CHECKLIST", "BlueGlass", 44, 11, 4, Bmp, 24},
    {"BLUEGLASS_TAB", "BlueGlass", 18, 17, 2, Bmp, 24},
    {"BLUEGLASS_TAB_LINE", "BlueGlass", 10, 5, 1, Bmp, 24},
    {"BLUEGLASS_SIDECHENNEL_HANDLE", "BlueGlass", 8, 86, 1, Bmp, 24},
    {"BLUEGLASS_SIDECHENNEL_BAR", "BlueGlass", 1, 21, 1, Bmp, 24},
    // Shared by DeepBlue, Protein and BlueGlass, and named by controls.
    {"MORE_SCROLLBUTTON", "Shared", 72, 17, 4, Bmp, 24},
    {"MENU_CHECKED", "Shared", 16, 16, 1, Bmp, 24},
    {"MDI_CONTROL_BUTTON", "Shared", 48, 16, 3, Bmp, 24},
    {"PANEL_BUTTON", "Shared", 52, 12, 4, Bmp, 24},
    // The program's own pictures.
    {"MAINICON", "Program", 48, 48, 1, TArtFormat::Ico, 0},
    {"NOVLA_ICON_48", "Program", 48, 48, 1, TArtFormat::Png, 0},
    {"NOVLA_ICON_64", "Program", 64, 64, 1, TArtFormat::Png, 0},
    {"NOVLA_ICON_128", "Program", 128, 128, 1, TArtFormat::Png, 0},
    {"NOVLA_ICON_256", "Program", 256, 256, 1, TArtFormat::Png, 0},
    {"NOVLA_PRODUCT_PICTURE", "Program", 120, 120, 1, TArtFormat::Jpeg, 0},
    {"NOVLA_LOGO", "Program", 97, 50, 1, TArtFormat::Jpeg, 0},
    {"NOVLA_TITLE_LEFT", "Program", 441, 23, 1, Bmp, 8},
    {"NOVLA_TITLE_RIGHT", "Program", 1, 23, 1, Bmp, 8},
    {"NOVLA_TITLE_CLIENT", "Program", 1, 23, 1, Bmp, 4},
    {"NOVLA_TITLE_CONTROLBOX_NORMAL", "Program", 19, 19, 1, Bmp, 32},
    {"NOVLA_TITLE_CONTROLBOX_HOT", "Program", 19, 19, 1, Bmp, 32},
    {"NOVLA_TITLE_CONTROLBOX_DOWN", "Program", 19, 19, 1, Bmp, 32},
    {"NOVLA_TITLE_CLOSE_NORMAL", "Program", 19, 19, 1, Bmp, 32},
    {"NOVLA_TITLE_CLOSE_HOT", "Program", 19, 19, 1, Bmp, 32},
    {"NOVLA_TITLE_CLOSE_DOWN", "Program", 19, 19, 1, Bmp, 32},
};
} // namespace

std::span<const TStyleArtEntry> StyleArtCatalog()
{
    return Catalog;
}

const TStyleArtEntry* FindStyleArt(std::string_view Name)
{
    for (const TStyleArtEntry& E : Catalog)
        if (std::string_view(E.Name).size() == Name.size() &&
            strncasecmp(E.Name, Name.data(), Name.size()) == 0)
            return &E;
    return nullptr;
}
