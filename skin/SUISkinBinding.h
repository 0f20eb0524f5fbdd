#pragma once

#include "framework/Component.h"
#include "skin/SUISkinned.h"

// Who hears of it when a skinned component's file theme goes away.
enum class TsuiSkinReach : uint8_t
{
    Self,    // the component alone takes DeepBlue
    Children // its direct children first get DeepBlue and no file theme
};

// The style and file-theme wiring every skinned component shares, as a
// mix-in: it stores the style and the theme, follows the theme so a theme
// that is freed is forgotten (the component then falls back to DeepBlue),
// and asks the component to read its colours and pictures again
// (ApplySkin) whenever either changes.
//
// The component hands its notifications to SkinNotification. A component
// whose setters do more than store and apply overrides them and calls the
// binding's own.
class TsuiSkinBinding : public TsuiSkinned
{
  public:
    TsuiUIStyle UIStyle() const override { return FUIStyle; }
    // Stores Value, then applies the look.
    void SetUIStyle(TsuiUIStyle Value) override;
    TsuiFileTheme* FileTheme() const override { return FFileTheme; }
    // Stores Value (following it until it goes away or is replaced), then
    // applies the look with the stored style.
    void SetFileTheme(TsuiFileTheme* Value) override;
    // For a component that starts in its owner's skinned-form style: a
    // definition stores UIStyle only when it differs from that style, which
    // the component takes again when it is read back.
    bool IsUIStyleStored() const;

  protected:
    // Self is the component this binding belongs to: the one that follows
    // the theme and whose children Reach names. It starts in Initial and
    // applies nothing until a setter runs.
    explicit TsuiSkinBinding(TComponent* Self, TsuiUIStyle Initial = DeepBlue,
                             TsuiSkinReach Reach = TsuiSkinReach::Self);
    ~TsuiSkinBinding() override;
    TsuiSkinBinding(const TsuiSkinBinding&) = delete;
    TsuiSkinBinding& operator=(const TsuiSkinBinding&) = delete;

    // Reads the component's colours, pictures and metrics for the stored
    // style and theme again, and repaints.
    virtual void ApplySkin() = 0;
    // The theme went away and is forgotten: the children (by Reach), then
    // the component take DeepBlue.
    virtual void FileThemeRemoved();

    // To be called from the component's Notification.
    void SkinNotification(const TComponent* AComponent, TOperation Operation);
    // UsingFileTheme for the stored style and theme.
    bool UsesFileTheme(TsuiUIStyle& Style) const;
    // The style as stored, for a class whose UIStyle answers something else.
    TsuiUIStyle StoredUIStyle() const { return FUIStyle; }
    // Stores Value without applying it.
    void StoreUIStyle(TsuiUIStyle Value) { FUIStyle = Value; }

  private:
    TComponent& FSelf;
    TsuiSkinReach FReach;
    TsuiUIStyle FUIStyle;
    TsuiFileTheme* FFileTheme = nullptr;
};
