#include "skin/SUIStatusBar.h"

#include "framework/PropertyRegistry.h"
#include "framework/controls/CustomForm.h"
#include "platform/win/WinApi.h"
#include "skin/SUIFileTheme.h"
#include "skin/SUIStyleApply.h"

const TClassInfo& TsuiStatusBar::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TsuiStatusBar>("TsuiStatusBar", &TCustomStatusBar::StaticClass())
            .Component("FileTheme", &TsuiStatusBar::FileTheme, &TsuiStatusBar::SetFileTheme)
            .Enum("UIStyle", &TsuiStatusBar::UIStyle, &TsuiStatusBar::SetUIStyle, UIStyleNames())
            .Stored(&TsuiStatusBar::IsUIStyleStored)
            .Color("PanelColor", &TsuiStatusBar::PanelColor, &TsuiStatusBar::SetPanelColor)
            .NoDefault()
            .Build();
    return Info;
}

const TMessageMap& TsuiStatusBar::StaticMessages()
{
    static const TMessageMap Map = TMessageMap(&TCustomStatusBar::StaticMessages())
                                       .On(WM_NCHITTEST, &TsuiStatusBar::WMNCHitTestSkinned);
    return Map;
}

TsuiStatusBar::TsuiStatusBar(TComponent* AOwner) : TCustomStatusBar(AOwner), TsuiSkinBinding(this)
{
    SetUIStyle(GetSUIFormStyle(AOwner));
}

void TsuiStatusBar::ApplySkin()
{
    TsuiUIStyle Style;
    if (UsesFileTheme(Style))
        SetPanelColor(FileTheme()->GetColor(SKIN2_FORMCOLOR));
    else
        SetPanelColor(GetInsideThemeColor(Style, SUI_ITEM_FORM_COLOR));
    Invalidate();
}

void TsuiStatusBar::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomStatusBar::Notification(AComponent, Operation);
    SkinNotification(AComponent, Operation);
}

TCustomForm* TsuiStatusBar::ParentForm() const
{
    if (!FParent) return nullptr;
    return dynamic_cast<TCustomForm*>(const_cast<TsuiStatusBar*>(this)->TopParent());
}

void TsuiStatusBar::Paint()
{
    TCustomStatusBar::Paint();
    TCustomForm* Form = ParentForm();
    if (!Form || Form->BorderStyle() != bsSizeable) return;
    TCanvas* C = Canvas();
    const int W = FWidth;
    const int H = FHeight;
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(FColor);
    // To the last row and column: the framework's own grip reaches them.
    C->FillRect({W - 16, H - 16, W, H});
    if (SizeGrip() && Form->WindowState() != wsMaximized)
    {
        C->Pen()->SetColor(clInactiveCaption);
        C->Pen()->SetWidth(1);
        for (int K : {15, 11, 7, 3})
        {
            C->MoveTo(W - K, H - 1);
            C->LineTo(W - 1, H - K);
        }
    }
    if (H - 16 > 3) C->FillRect({W - 16, 3, W, H - 16});
}

void TsuiStatusBar::WMNCHitTestSkinned(TMessage& M)
{
    if (TCustomForm* Form = ParentForm(); Form && Form->WindowState() == wsMaximized)
    {
        M.Result = HTNOWHERE;
        return;
    }
    WMNCHitTest(M);
}
