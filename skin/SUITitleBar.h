#pragma once

#include "framework/controls/CustomPanel.h"
#include "skin/SUISkinBinding.h"
#include "skin/SUITitleBarItems.h"
#include "skin/SUITitleBarLayout.h"

#include <memory>
#include <string>

class TBitmap;
class TCanvas;
class TCustomForm;
class TsuiTitleBarPopupMenu;

// Asked of the window holding a title bar: the horizontal width of the
// skinned frame around it. A window without a skinned frame answers 0.
constexpr UINT SUIM_GETFRAMEWIDTH = 0x26C3;

// The skinned frame a title bar lies in (its parent): told whenever the bar
// is laid out again, since the frame continues the bar's title picture.
class TsuiTitleBarHost
{
  public:
    virtual void TitleBarLaidOut() = 0;

  protected:
    ~TsuiTitleBarHost() = default;
};

// A caption bar drawn from pictures, aligned to the top of its parent: a row
// of sections, the control box (or the application's icon) at the left, a
// row of picture buttons at the right and the caption between them.
// Pressing the bar outside its buttons drags the window through the window
// system's move loop; buttons minimise, maximise or restore, close, open the
// control-box menu or raise events.
//
// Inside a skinned form the pictures continue into the frame the form
// paints: they are shifted up by 3 pixels and left by the frame width, and
// the whole title picture is kept (TitleImage) for the form's frame pieces.
//
// The bar is laid out (Layout) whenever its size, style, sections, buttons,
// caption or font change; painting, the hot button and clicks all follow
// that layout.
class TsuiTitleBar : public TCustomPanel, public TsuiSkinBinding
{
  public:
    explicit TsuiTitleBar(TComponent* AOwner);
    ~TsuiTitleBar() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

    // Style changes leave sections, buttons, font colour and height alone.
    bool Custom() const { return FCustom; }
    void SetCustom(bool Value) { FCustom = Value; }
    // Keeps the font colour the bar has.
    void SetFileTheme(TsuiFileTheme* Value) override;
    // Reads false without sections; setting it (either way) takes the
    // height from the first section's picture (3 less inside a form).
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize2(bool Value);

    TsuiTitleBarSections* Sections() const { return FSections.get(); }
    void SetSections(const TsuiTitleBarSections* Value);
    TsuiTitleBarButtons* Buttons() const { return FButtons.get(); }
    void SetButtons(const TsuiTitleBarButtons* Value);

    int ButtonInterval() const { return FButtonInterval; }
    void SetButtonInterval(int Value);
    std::string Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    bool FormActive() const { return FFormActive; }
    void SetActive(bool Value);
    int LeftBtnXOffset() const { return FLeftBtnXOffset; }
    void SetLeftBtnXOffset(int Value);
    int RightBtnXOffset() const { return FRightBtnXOffset; }
    void SetRightBtnXOffset(int Value);
    bool DrawAppIcon() const { return FDrawAppIcon; }
    void SetDrawAppIcon(bool Value);
    // Stored only; the skinned form reads them for its frame and region.
    int RoundCorner() const { return FRoundCorner; }
    void SetRoundCorner(int Value) { FRoundCorner = Value; }
    int RoundCornerBottom() const { return FRoundCornerBottom; }
    void SetRoundCornerBottom(int Value) { FRoundCornerBottom = Value; }
    TColor InactiveCaptionColor() const { return FInactiveCaptionColor; }
    void SetInactiveCaptionColor(TColor Value);

    TsuiTitleBarPopupMenu* TitleMenu() const { return FTitleMenu; }
    // The button under the pointer, as the mouse last told; -1 for none.
    int HotButton() const { return FHotButton; }
    int ButtonTop() const { return FButtonTop; }
    int IconTop() const { return FIconTop; }
    const TsuiTitleBarLayout& Layout() const { return FLayout; }
    // Lays the bar out again; the skinned form calls it when its frame changes.
    void UpdateLayout();

    // Maximize or restore pictures of every suiMax button.
    void ProcessMaxBtn();
    // The whole title picture, as laid out: the bar and the frame beside
    // and above it.
    TBitmap* TitleImage() const { return FTitleImage.get(); }
    // The same composed over the fill colour.
    TBitmap* TitleImageOverFill() const { return FTitleImageFilled.get(); }
    // Section Index's picture; null with two sections or fewer.
    TBitmap* SectionPicture(int Index) const;
    // Three or five sections: the skinned form can paint its frame from them.
    bool CanPaint() const;
    // The parent is a skinned form.
    bool InForm() const;
    // The narrowest the containing form may be for the style's title.
    int MinimumFormWidth() const { return FMinimumFormWidth; }
    void AddHelpBtn();
    // The form the bar's buttons act on, or null.
    TCustomForm* ContainingForm() const;
    // Opens the control-box menu at the bar's bottom-left corner.
    void PopupTitleMenu();

    TsuiTitleBarButtonClickEvent OnCustomBtnsClick;
    TsuiTitleBarButtonClickEvent OnHelpBtnClick;
    TsuiTitleBarButtonClickEvent2 OnMinClick;
    TsuiTitleBarButtonClickEvent2 OnMaxClick;

    // The sections or buttons changed.
    void ItemsChanged();

  protected:
    void Paint() override;
    void Resize() override;
    void ApplySkin() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DblClick() override;

    void WMEraseBkgnd(TMessage& M);
    void CMFontChanged(TMessage& M);
    void CMMouseLeave(TMessage& M);

  private:
    void UpdateInsideTheme(TsuiUIStyle Style);
    void UpdateFileTheme();
    int AskFrameWidth() const;
    // The sizes the layout follows; fits the caption section's caption on the way.
    TsuiTitleBarMetrics MeasureForLayout();
    // Draws the sections with the title picture's origin at Shift; in the
    // bar the right sections' transparent pixels show the fill colour.
    void DrawSections(TCanvas& Canvas, TPoint Shift, bool InBar) const;
    void DrawButtons(TCanvas& Canvas) const;
    void DrawCaption(TCanvas& Canvas) const;
    void SetHotButton(int Value);

    std::unique_ptr<TsuiTitleBarSections> FSections;
    std::unique_ptr<TsuiTitleBarButtons> FButtons;
    bool FAutoSize = false;
    int FButtonInterval = 0;
    std::string FCaption;
    bool FFormActive = true;
    int FLeftBtnXOffset = 0;
    int FRightBtnXOffset = 0;
    int FRoundCorner = 0;
    int FRoundCornerBottom = 0;
    bool FDrawAppIcon = true;
    bool FKeepFontColor = false;
    TsuiTitleBarPopupMenu* FTitleMenu = nullptr; // owned as a component
    bool FCustom = false;
    bool FFiveSections = false;
    std::string FSectionCaption;
    std::unique_ptr<TBitmap> FTitleImage;
    std::unique_ptr<TBitmap> FTitleImageFilled;
    TColor FFillColor = 0;
    TColor FTransColor = 0;
    TColor FInactiveCaptionColor;
    bool FMouseDown = false;
    int FHotButton = -1;
    TsuiTitleBarLayout FLayout;
    // The bar is laid out once at the end of a run of item changes.
    int FLayoutHeld = 0;
    int FMinimumFormWidth = 0;
    int FButtonTop = 0;
    int FIconTop = 0;
    int FCaptionTop = 0;
};
