#pragma once

#include "framework/Collection.h"
#include "framework/Event.h"
#include "skin/SUIThemes.h"

#include <memory>

class TPicture;
class TPopupMenu;
class TsuiTitleBar;

enum TsuiTitleBarBtnType : uint8_t
{
    suiMax = 0,
    suiMin = 1,
    suiClose = 2,
    suiHelp = 3,
    suiControlBox = 4,
    suiCustom = 5
};

enum TsuiTitleBarAlign : uint8_t
{
    suiLeft = 0,
    suiRight = 1,
    suiClient = 2
};

// How far right of the bar's left edge a right-to-left bar opens its
// control-box menu.
constexpr int RightToLeftMenuOffset = 176;

// Sender is the title bar; ButtonIndex the button's index in Buttons.
using TsuiTitleBarButtonClickEvent = TEvent<TObject*, int>;
// Sender is the title bar; clearing Allow cancels the action.
using TsuiTitleBarButtonClickEvent2 = TEvent<TObject*, bool&>;

// One picture button of a title bar: its type decides what a click does and
// which frames of the style's button strip it shows.
class TsuiTitleBarButton : public TCollectionItem
{
  public:
    explicit TsuiTitleBarButton(TCollection* Collection);
    ~TsuiTitleBarButton() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    TsuiTitleBarBtnType ButtonType() const { return FButtonType; }
    // A second control box is refused with a message; nothing changes.
    void SetButtonType(TsuiTitleBarBtnType Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    // Kept and stored; the bar places its buttons on its own button row.
    int Top() const { return FTop; }
    void SetTop(int Value);
    TsuiUIStyle UIStyle() const { return FUIStyle; }
    void SetUIStyle(TsuiUIStyle Value);
    TPicture* PicNormal() const { return FPicNormal.get(); }
    void SetPicNormal(const TPicture* Value);
    TPicture* PicMouseOn() const { return FPicMouseOn.get(); }
    void SetPicMouseOn(const TPicture* Value);
    TPicture* PicMouseDown() const { return FPicMouseDown.get(); }
    void SetPicMouseDown(const TPicture* Value);
    // Not owned: opened by a control box instead of the bar's own menu.
    TPopupMenu* ControlBoxMenu() const { return FControlBoxMenu; }
    void SetControlBoxMenu(TPopupMenu* Value) { FControlBoxMenu = Value; }

    // Visible, with a graphic in all three pictures.
    bool Drawable() const;
    // The button's action on its form (minimise, maximise or restore,
    // close, or the control box's own menu).
    void DoClick();
    // Restore frames while the form is maximized, maximize frames
    // otherwise; only for suiMax buttons of a bar that is not Custom.
    void ProcessMaxBtn();

    void Assign(const TPersistent* Source) override;

  private:
    TsuiTitleBar* Bar() const;
    void UpdateUIStyle();
    // Frames First .. First + 2 of the style's (or file theme's) strip.
    void LoadFrames(int First);

    bool FVisible = true;
    TsuiTitleBarBtnType FButtonType = suiCustom;
    bool FTransparent = false;
    int FTop = 2;
    TsuiUIStyle FUIStyle = DeepBlue;
    std::unique_ptr<TPicture> FPicNormal;
    std::unique_ptr<TPicture> FPicMouseOn;
    std::unique_ptr<TPicture> FPicMouseDown;
    TPopupMenu* FControlBoxMenu = nullptr;
};

class TsuiTitleBarButtons : public TCollection
{
  public:
    explicit TsuiTitleBarButtons(TsuiTitleBar* TitleBar);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    TsuiTitleBarButton* Add() { return static_cast<TsuiTitleBarButton*>(TCollection::Add()); }
    TsuiTitleBarButton* Items(int Index) const
    {
        return static_cast<TsuiTitleBarButton*>(TCollection::Items(Index));
    }
    void SetItems(int Index, const TsuiTitleBarButton* Value) { Items(Index)->Assign(Value); }
    TsuiTitleBar* TitleBar() const { return FTitleBar; }

  protected:
    void Update(TCollectionItem* Item) override;

  private:
    TsuiTitleBar* FTitleBar;
};

// One picture of a title bar's row: left and right sections are drawn at
// their natural size from the ends inwards, the client section stretched
// over what lies between, a caption section as wide as the fitted caption.
class TsuiTitleBarSection : public TCollectionItem
{
  public:
    explicit TsuiTitleBarSection(TCollection* Collection);
    ~TsuiTitleBarSection() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    bool AutoSize() const { return FAutoSize; }
    // Width follows the picture whenever it holds a graphic, whatever Value.
    void SetAutoSize(bool Value);
    int Width() const { return FWidth; }
    void SetWidth(int Value);
    TsuiTitleBarAlign Align() const { return FAlign; }
    // A second client section is refused with a message; suiClient also
    // makes the section stretched.
    void SetAlign(TsuiTitleBarAlign Value);
    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(const TPicture* Value);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool Value);
    bool CapSec() const { return FCapSec; }
    void SetCapSec(bool Value);

    // CapSec is not copied.
    void Assign(const TPersistent* Source) override;

  private:
    void Repaint();

    int FWidth = 10;
    TsuiTitleBarAlign FAlign = suiLeft;
    std::unique_ptr<TPicture> FPicture;
    bool FStretch = false;
    bool FAutoSize = false;
    bool FCapSec = false;
};

class TsuiTitleBarSections : public TCollection
{
  public:
    explicit TsuiTitleBarSections(TsuiTitleBar* TitleBar);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    TsuiTitleBarSection* Add() { return static_cast<TsuiTitleBarSection*>(TCollection::Add()); }
    TsuiTitleBarSection* Items(int Index) const
    {
        return static_cast<TsuiTitleBarSection*>(TCollection::Items(Index));
    }
    void SetItems(int Index, const TsuiTitleBarSection* Value) { Items(Index)->Assign(Value); }
    TsuiTitleBar* TitleBar() const { return FTitleBar; }

  protected:
    void Update(TCollectionItem* Item) override;

  private:
    TsuiTitleBar* FTitleBar;
};
