#include "skin/SUIScrollBarLook.h"

#include "framework/graphics/Canvas.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/WindowData.h"
#include "skin/RoundPicture.h"
#include "skin/SUI2Define.h"
#include "skin/SUIFileTheme.h"
#include "skin/SUIStyleApply.h"
#include "skin/SpitDraw.h"

#include <algorithm>

TRect TsuiScrollBarLayout::PartRect(int Part) const
{
    const int Length = Vertical ? Bar.Height() : Bar.Width();
    int From = 0, To = 0;
    switch (Part)
    {
    case ssbLineUp:
        To = Arrow;
        break;
    case ssbPageUp:
        From = Arrow;
        To = ThumbStart;
        break;
    case ssbThumb:
        From = ThumbStart;
        To = ThumbEnd;
        break;
    case ssbPageDown:
        From = ThumbEnd;
        To = Length - Arrow;
        break;
    case ssbLineDown:
        From = Length - Arrow;
        To = Length;
        break;
    default:
        return {};
    }
    if (To <= From) return {};
    if (Vertical) return {Bar.Left, Bar.Top + From, Bar.Right, Bar.Top + To};
    return {Bar.Left + From, Bar.Top, Bar.Left + To, Bar.Bottom};
}

int TsuiScrollBarLayout::PartAt(TPoint P) const
{
    for (int Part = ssbLineUp; Part <= ssbLineDown; ++Part)
        if (PartRect(Part).Contains(P.X, P.Y)) return Part;
    return ssbNone;
}

bool QueryScrollBarLayout(HWND Window, LONG ObjectId, POINT Origin, TsuiScrollBarLayout& Layout)
{
    SCROLLBARINFO Info;
    if (!Window || !GetScrollBarInfo(Window, ObjectId, &Info) ||
        (Info.rgstate[0] & STATE_SYSTEM_INVISIBLE))
        return false;
    const RECT& R = Info.rcScrollBar;
    Layout.Bar = {R.left - Origin.x, R.top - Origin.y, R.right - Origin.x, R.bottom - Origin.y};
    if (Layout.Bar.IsEmpty()) return false;
    if (ObjectId == OBJID_CLIENT)
        Layout.Vertical = (GetWindowLong(Window, GWL_STYLE) & SBS_VERT) != 0;
    else
        Layout.Vertical = ObjectId == OBJID_VSCROLL;
    Layout.Arrow = Info.dxyLineButton;
    Layout.ThumbStart = Info.xyThumbTop;
    Layout.ThumbEnd = Info.xyThumbBottom;
    Layout.Disabled = (Info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) != 0;
    Layout.Pressed = ssbNone;
    for (int Part = ssbLineUp; Part <= ssbLineDown; ++Part)
        if (Info.rgstate[Part] & STATE_SYSTEM_PRESSED) Layout.Pressed = Part;
    return true;
}

TsuiScrollBarLook::TsuiScrollBarLook()
{
    for (auto* Set : {&FVertical, &FHorizontal})
        for (auto& Arrow : *Set)
            for (auto& Frame : Arrow)
                Frame = std::make_unique<TBitmap>();
    FSlider = std::make_unique<TBitmap>();
    FSliderV = std::make_unique<TBitmap>();
}

TsuiScrollBarLook::~TsuiScrollBarLook() = default;

void TsuiScrollBarLook::Load(TsuiUIStyle UIStyle, TsuiFileTheme* FileTheme)
{
    TsuiUIStyle Style = UIStyle;
    const bool FromFile = UsingFileTheme(FileTheme, UIStyle, Style);
    TBitmap Strip;
    for (int Arrow = 0; Arrow < 2; ++Arrow)
    {
        if (FromFile)
            FileTheme->GetBitmap2(Arrow == 0 ? SKIN2_SCROLLBARUPBUTTON : SKIN2_SCROLLBARDOWNBUTTON,
                                  &Strip);
        else
            GetInsideThemeBitmap(Style, SUI_ITEM_SCROLLBAR_BUTTON_IMAGE, &Strip);
        for (int State = 0; State < 3; ++State)
        {
            TBitmap* Frame = FVertical[Arrow][State].get();
            if (FromFile)
                SpitBitmap(&Strip, Frame, 3, State + 1);
            else
                SpitBitmap(&Strip, Frame, 6, Arrow * 3 + State + 1);
            // Turned a quarter counter-clockwise, up becomes left and down
            // becomes right.
            FHorizontal[Arrow][State]->Assign(Frame);
            RoundPicture(FHorizontal[Arrow][State].get());
        }
    }
    if (FromFile)
        FileTheme->GetBitmap2(SKIN2_SCROLLBAR, FSlider.get());
    else
        GetInsideThemeBitmap(Style, SUI_ITEM_SCROLLBAR_TRACK_IMAGE, FSlider.get());
    // The slider is drawn lying; standing, its leading cap is on top.
    FSliderV->Assign(FSlider.get());
    RoundPicture3(FSliderV.get());
    FTrack = FromFile ? FileThemeColor(FileTheme, SKIN2_SCROLLBARCOLOR).value_or(clBtnFace)
                      : GetInsideThemeColor(Style, SUI_ITEM_SCROLLBAR_COLOR);
}

void TsuiScrollBarLook::Paint(TCanvas* Canvas, const TsuiScrollBarLayout& L) const
{
    if (!Canvas || L.Bar.IsEmpty()) return;
    TBitmap Picture;
    Picture.SetSize(L.Bar.Width(), L.Bar.Height());
    TCanvas* C = Picture.Canvas();
    // Laid out from (0, 0) in the picture.
    TsuiScrollBarLayout At = L;
    At.Bar = {0, 0, L.Bar.Width(), L.Bar.Height()};
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(FTrack);
    C->FillRect(At.Bar);
    for (int Page : {ssbPageUp, ssbPageDown})
        if (L.Pressed == Page)
        {
            TColor Rgb = ColorToRGB(FTrack);
            C->Brush()->SetColor(
                RGB(GetRValue(Rgb) * 3 / 4, GetGValue(Rgb) * 3 / 4, GetBValue(Rgb) * 3 / 4));
            C->FillRect(At.PartRect(Page));
        }
    const auto& Arrows = L.Vertical ? FVertical : FHorizontal;
    for (int Arrow = 0; Arrow < 2; ++Arrow)
    {
        const int Part = Arrow == 0 ? ssbLineUp : ssbLineDown;
        const int State = L.Disabled ? 0 : L.Pressed == Part ? 2 : L.Hot == Part ? 1 : 0;
        const TBitmap* Frame = Arrows[static_cast<size_t>(Arrow)][static_cast<size_t>(State)].get();
        TRect R = At.PartRect(Part);
        if (!Frame->Empty() && !R.IsEmpty()) C->StretchDraw(R, Frame);
    }
    if (!L.Disabled && L.ThumbEnd > L.ThumbStart)
        SpitDraw(L.Vertical ? FSliderV.get() : FSlider.get(), C, At.PartRect(ssbThumb), true);
    Canvas->Draw(L.Bar.Left, L.Bar.Top, &Picture);
}
