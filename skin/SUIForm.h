#pragma once

#include "framework/controls/CustomForm.h"
#include "framework/controls/CustomPanel.h"
#include "skin/SUI2Define.h"
#include "skin/SUIFormFrame.h"
#include "skin/SUISkinBinding.h"
#include "skin/SUITitleBar.h"

#include <functional>
#include <memory>

class TApplicationEvents;
class TBitmap;
class TMainMenu;
class TsuiMenuBar;

// A panel that gives its owner form a skinned frame: it takes the owner's
// caption away, puts its own window procedure in front of the owner's,
// fills the owner's client area with itself and a title bar, paints the
// remaining frame, keeps the window region and the maximize picture in step
// with the window and reports activation to the title bar. On anything but
// a form it stays an ordinary panel.
//
// Its jobs lie in files of their own: taking over the owner
// (SUIFormOwner.cpp), the frame's sizes (SUIFormFrame), painting the frame
// (SUIFormPaint.cpp), the window region (SUIFormRegion.cpp) and the menu
// bar (SUIFormMenu.cpp; the bar draws itself).
//
// With a Menu, a menu bar (TsuiMenuBar) lies directly below the title bar
// and shows the menu's top-level items; the menu's shortcuts work anywhere
// in the owner form.
//
// In a file theme the frame comes from the skin's border pictures, and the
// window region leaves out the pixels of the skin's transparent colour in
// the rows of the title and bottom pictures the skin names.
class TsuiForm : public TCustomPanel, public TsuiSkinBinding, public TsuiTitleBarHost
{
  public:
    explicit TsuiForm(TComponent* AOwner);
    ~TsuiForm() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

    TsuiTitleBar* TitleBar() const { return FTitleBar; }
    TCustomForm* OwnerForm() const { return FOwnerForm; }

    bool TitleBarCustom() const { return FTitleBar && FTitleBar->Custom(); }
    void SetTitleBarCustom(bool Value);
    // Setting the theme it has already changes nothing.
    void SetFileTheme(TsuiFileTheme* Value) override;
    bool UIStyleAutoUpdateSub() const { return FUIStyleAutoUpdateSub; }
    void SetUIStyleAutoUpdateSub(bool Value) { FUIStyleAutoUpdateSub = Value; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    // The frame's border line (not the panel's own border).
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value);
    bool TitleBarVisible() const { return FTitleBar && FTitleBar->Visible(); }
    void SetTitleBarVisible(bool Value);
    // The title bar's caption; writing also sets the owner's window text.
    std::string Caption() const { return FTitleBar ? FTitleBar->Caption() : std::string(); }
    void SetCaption(const std::string& Value);
    TsuiTitleBarButtons* TitleBarButtons() const
    {
        return FTitleBar ? FTitleBar->Buttons() : nullptr;
    }
    void SetTitleBarButtons(const TsuiTitleBarButtons* Value);
    TsuiTitleBarSections* TitleBarSections() const
    {
        return FTitleBar ? FTitleBar->Sections() : nullptr;
    }
    void SetTitleBarSections(const TsuiTitleBarSections* Value);
    bool TitleBarDrawAppIcon() const { return !FTitleBar || FTitleBar->DrawAppIcon(); }
    void SetTitleBarDrawAppIcon(bool Value);
    // The caption font (the title bar's).
    TFont* Font() const { return FTitleBar ? FTitleBar->Font() : TCustomPanel::Font(); }
    void SetFont(const TFont* Value) { Font()->Assign(Value); }
    // Not owned; removing it removes the menu bar.
    TMainMenu* Menu() const { return FMenu; }
    void SetMenu(TMainMenu* Value);
    TsuiMenuBar* MenuBar() const { return FMenuBar; }
    TColor MenuBarColor() const { return FMenuBarColor; }
    void SetMenuBarColor(TColor Value);
    // A gradient from MenuBarColor when the two differ.
    TColor MenuBarToColor() const { return FMenuBarToColor; }
    void SetMenuBarToColor(TColor Value);
    // Reads the height of a shown menu bar, 0 without one; writing sets the
    // height the bar is given.
    int MenuBarHeight() const { return GetMenuBarHeight(); }
    void SetMenuBarHeight(int Value);
    int RoundCorner() const;
    void SetRoundCorner(int Value);
    int RoundCornerBottom() const;
    void SetRoundCornerBottom(int Value);
    TColor InactiveCaptionColor() const;
    void SetInactiveCaptionColor(TColor Value);

    // Title area height including the 3 frame rows above the bar; 0 while
    // the bar is hidden.
    int GetTitleBarHeight() const;
    int GetMenuBarHeight() const;
    // The answer to the title bar's frame-width question.
    int FrameWidth() const { return Geometry().FrameWidth; }
    // The owner's frame when it was taken over.
    int FrameLeft() const { return FTakenLeft; }
    int FrameBottom() const { return FTakenBottom; }
    // The file theme's border sizes (0 in the built-in styles).
    int SkinLeft() const { return FSkinLeft; }
    int SkinRight() const { return FSkinRight; }
    int SkinBottom() const { return FSkinBottom; }

    void PaintFormBorder();
    void RegionWindow();
    // Takes the caption bits away again when they came back.
    void ReAssign();
    void AddHelpButton();

    // The menu bar: made, filled from the menu's top-level items (one tool
    // button each, in item order), refreshed from the items' captions and
    // states, repainted in the menu's font, freed.
    void CreateMenuBar();
    void DestroyMenuBar();
    void UpdateMenu();
    void UpdateTopMenu();
    void RepaintMenuBar();
    // The frame's sizes for the window as it is now; worked out again only
    // when the window's size or frame, the style or the bars changed.
    const TsuiFrameGeometry& Geometry() const;
    // The menu's items changed: the buttons follow them.
    void MenuChanged();
    // 1 when the key-down message was a shortcut of Menu, which then ran
    // the item; 0 otherwise.
    int ProcessKeyPress(const TMessage& Message);

  protected:
    void Paint() override;
    void Resize() override;
    void Destroying() override;
    void ApplySkin() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void TitleBarLaidOut() override;
    void WMEraseBkgnd(TMessage& M);

  private:
    // Measures the owner's frame before anything changes it.
    void MeasureOwner();
    // Takes the owner's caption and window procedure.
    void TakeOverOwner();
    void NewParentWndProc(TMessage& Message);
    void OnApplicationMessage(MSG& Msg, bool& Handled);
    // Gives the owner its caption and window procedure back; runs once.
    void Detach();
    void FrameChanged();
    void SizeChanged();
    // The owner's size limits: never narrower than its style's title, nor
    // lower than the title and menu bars and the frame.
    void UpdateSizeLimits();
    // The file-theme part of SetUIStyle that comes before the title bar.
    void ReadFileTheme();
    bool UsingSkin() const;
    static TsuiWindowFrame WindowFrameOf(HWND Window);
    TsuiFrameInput FrameInput() const;
    void PaintSkinBorder(TCanvas& C, const TsuiFrameGeometry& G);
    void PaintBuiltInBorder(TCanvas& C, const TsuiFrameGeometry& G);
    void PaintMenuBarPiece(TCanvas& C, TRect R, int W, int H) const;
    void ComposeBottomImage(int W);
    void RegionFromSkin(int W, int H);
    // The bar's font from a skinned main menu.
    void ApplyMenuFont();

    TsuiTitleBar* FTitleBar = nullptr; // owned as a component
    TsuiMenuBar* FMenuBar = nullptr;   // owned as a component
    TMainMenu* FMenu = nullptr;
    std::function<void(TMessage&)> FOldWndProc;
    int FSkinBottom = 0;
    int FTakenBottom = 3;
    int FSkinLeft = 0;
    int FTakenLeft = 3;
    int FSkinRight = 0;
    mutable TsuiFrameGeometry FGeometry;
    mutable bool FGeometryKnown = false;
    std::unique_ptr<TBitmap> FBottomImage;
    TColor FRegionTransColor = TColor(0xFF00FF);
    bool FTitleRegion = false;
    bool FBottomRegion = false;
    int FTitleRegionMinY = 0;
    int FTitleRegionMaxY = 0;
    int FBottomRegionMinY = 0;
    int FBottomRegionMaxY = 0;
    TBorderStyle FOrigBorderStyle = bsSizeable;
    TCustomForm* FOwnerForm = nullptr;
    TColor FBorderColor = clBlack;
    int FBorderWidth = 1;
    TColor FMenuBarColor = clBtnFace;
    TColor FMenuBarToColor = clBtnFace;
    int FMenuBarHeightWanted = 22;
    bool FUIStyleAutoUpdateSub = false;
    bool FDestroying = false;
    bool FAttached = false;
    bool FPlacing = false;
    std::unique_ptr<TApplicationEvents> FAppEvents;
    TRect FNormalBounds{};
    bool FStartMaximized = false;
    bool FTitleWanted = true;
};
