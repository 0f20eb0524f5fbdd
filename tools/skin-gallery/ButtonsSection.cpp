// The buttons, panels, group boxes and the status bar in their states.

#include "GallerySection.h"

#include "framework/controls/Form.h"
#include "framework/controls/Label.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Picture.h"
#include "platform/win/WinApi.h"
#include "skin/SUIArrowButton.h"
#include "skin/SUIButton.h"
#include "skin/SUIGroupBox.h"
#include "skin/SUIImagePanel.h"
#include "skin/SUIPanel.h"
#include "skin/SUIStatusBar.h"

#include <string>

namespace
{
template <class T> T* Place(TForm* Form, TWinControl* Parent, int X, int Y, int W, int H)
{
    auto* C = new T(Form);
    C->SetBounds(X, Y, W, H);
    C->SetParent(Parent);
    return C;
}

void Caption(TForm* Form, TWinControl* Parent, int X, int Y, const std::string& Text)
{
    auto* L = Place<TLabel>(Form, Parent, X, Y, 80, 13);
    L->SetCaption(Text);
}

// A 16 x 16 glyph: a filled circle on the mask colour, and with Disabled a
// grey second image beside it.
void MakeGlyph(TBitmap& Glyph, bool TwoImages)
{
    Glyph.SetSize(TwoImages ? 32 : 16, 16);
    TCanvas* C = Glyph.Canvas();
    C->Brush()->SetColor(clFuchsia);
    C->FillRect({0, 0, Glyph.Width(), 16});
    C->Pen()->SetColor(clNavy);
    C->Brush()->SetColor(clTeal);
    C->Ellipse(2, 2, 14, 14);
    if (!TwoImages) return;
    C->Pen()->SetColor(clGray);
    C->Brush()->SetColor(clSilver);
    C->Ellipse(18, 2, 30, 14);
}

// A picture of W x H: four coloured quarters with a dark frame.
void MakePicture(TPicture& Picture, int W, int H)
{
    TBitmap B;
    B.SetSize(W, H);
    TCanvas* C = B.Canvas();
    const TColor Quarters[] = {clNavy, clTeal, clOlive, clMaroon};
    for (int I = 0; I < 4; ++I)
    {
        C->Brush()->SetColor(Quarters[I]);
        const int X = (I % 2) * W / 2, Y = (I / 2) * H / 2;
        C->FillRect({X, Y, X + W / 2, Y + H / 2});
    }
    C->Brush()->SetColor(clBlack);
    C->FrameRect({0, 0, W, H});
    Picture.SetGraphic(&B);
}

TsuiButton* Button(TForm* Form, TWinControl* Parent, int X, int Y, const std::string& Text,
                   TsuiUIStyle Style)
{
    auto* B = Place<TsuiButton>(Form, Parent, X, Y, 80, 27);
    B->SetUIStyle(Style);
    B->SetCaption(Text);
    return B;
}

int BuildButtons(TForm* Form, TWinControl* Parent, TsuiUIStyle Style)
{
    Caption(Form, Parent, 8, 4, "Push buttons");
    const int Y = 22;
    Button(Form, Parent, 8, Y, "&Normal", Style)->SetName("NormalButton");
    Button(Form, Parent, 96, Y, "Hot", Style)->Perform(CM_MOUSEENTER);
    // Pressed before the windows exist: the face stays down, nothing holds
    // the mouse.
    auto* Pressed = Button(Form, Parent, 184, Y, "Pressed", Style);
    Pressed->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    Button(Form, Parent, 272, Y, "Disabled", Style)->SetEnabled(false);
    auto* Default = Button(Form, Parent, 360, Y, "Default", Style);
    Default->SetDefault(true);
    Form->SetActiveControl(Button(Form, Parent, 448, Y, "Focused", Style));

    Caption(Form, Parent, 8, 58, "Glyph layouts");
    TBitmap One, Two;
    MakeGlyph(One, false);
    MakeGlyph(Two, true);
    const TButtonLayout Layouts[] = {blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom};
    const char* Names[] = {"Left", "Right", "Top", "Bottom"};
    for (int I = 0; I < 4; ++I)
    {
        auto* B = Place<TsuiButton>(Form, Parent, 8 + I * 88, 76, 80, 44);
        B->SetUIStyle(Style);
        B->SetCaption(Names[I]);
        B->SetGlyph(&One);
        B->SetLayout(Layouts[I]);
    }
    auto* TwoImage = Place<TsuiButton>(Form, Parent, 360, 76, 80, 44);
    TwoImage->SetUIStyle(Style);
    TwoImage->SetCaption("Off");
    TwoImage->SetGlyph(&Two);
    TwoImage->SetLayout(blGlyphTop);
    TwoImage->SetEnabled(false);
    auto* Sized = Place<TsuiButton>(Form, Parent, 448, 76, 80, 27);
    Sized->SetUIStyle(Style);
    Sized->SetCaption("OK");
    Sized->SetAutoSize(true);
    auto* Up = Place<TsuiArrowButton>(Form, Parent, 448, 106, 16, 11);
    Up->SetUIStyle(Style);
    Up->SetName("UpArrow");
    auto* Down = Place<TsuiArrowButton>(Form, Parent, 466, 106, 16, 11);
    Down->SetUIStyle(Style);
    Down->SetArrow(suiDown);
    return 128;
}

int BuildPanels(TForm* Form, TWinControl* Parent, TsuiUIStyle Style)
{
    Caption(Form, Parent, 8, 4, "Image panels: normal, stretch, tile");
    TPicture Small;
    MakePicture(Small, 40, 30);
    const TsuiDrawStyle Styles[] = {suiNormal, suiStretch, suiTile};
    for (int I = 0; I < 3; ++I)
    {
        auto* P = Place<TsuiImagePanel>(Form, Parent, 8 + I * 100, 22, 90, 70);
        P->SetColor(clBtnFace);
        P->SetPicture(&Small);
        P->SetDrawStyle(Styles[I]);
    }
    auto* Titled = Place<TsuiImagePanel>(Form, Parent, 308, 22, 90, 70);
    Titled->SetColor(clWhite);
    Titled->SetCaption("Caption");

    Caption(Form, Parent, 8, 100, "Group boxes");
    auto* Box = Place<TsuiGroupBox>(Form, Parent, 8, 118, 150, 70);
    Box->SetUIStyle(Style);
    Box->SetName("UsartBox");
    Box->SetCaption("Usart");
    Button(Form, Box, 10, 24, "Inside", Style);
    auto* Plain = Place<TsuiGroupBox>(Form, Parent, 166, 118, 110, 70);
    Plain->SetUIStyle(Style);
    Plain->SetCaption("");
    auto* Off = Place<TsuiGroupBox>(Form, Parent, 284, 118, 110, 70);
    Off->SetUIStyle(Style);
    Off->SetCaption("Disabled");
    Off->SetEnabled(false);

    auto* Side = Place<TsuiPanel>(Form, Parent, 404, 22, 124, 166);
    Side->SetUIStyle(Style);
    Side->SetName("SidePanel");
    Side->SetCaption("Panel");
    return 196;
}

int BuildStatusBar(TForm* Form, TWinControl* Parent, TsuiUIStyle Style)
{
    Caption(Form, Parent, 8, 4, "Status bar");
    // Placed by hand, like the configuration window's bar width.
    auto* Bar = new TsuiStatusBar(Form);
    Bar->SetAlign(alNone);
    Bar->SetBounds(8, 22, 393, 21);
    Bar->SetParent(Parent);
    Bar->SetUIStyle(Style);
    Bar->SetName("StatusBar");
    const int Widths[] = {120, 160, 60};
    const char* Texts[] = {"COM3 open", "Successful", "1.0"};
    for (int I = 0; I < 3; ++I)
    {
        TStatusPanel* P = Bar->Panels()->Add();
        P->SetWidth(Widths[I]);
        P->SetText(Texts[I]);
        if (I > 0) P->SetAlignment(taCenter);
    }
    return 52;
}

const bool Registered = RegisterGallerySection({"Buttons", 10, BuildButtons}) &&
                        RegisterGallerySection({"Panels", 20, BuildPanels}) &&
                        RegisterGallerySection({"Status bar", 30, BuildStatusBar});
} // namespace
