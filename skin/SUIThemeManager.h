#pragma once

#include "framework/Component.h"
#include "framework/Event.h"
#include "framework/StringList.h"
#include "skin/SUISkinBinding.h"

#include <memory>

class TCustomForm;

// The names of the components a theme manager restyles.
class TsuiThemeMgrCompList : public TStringList
{
  public:
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
};

// Pushes one style and one file theme into the components of its form named
// in CompList, so a whole set of skinned controls changes look at once.
//
// Names without a matching component, and components that are not skinned
// (TsuiSkinned), are skipped. A listed component that goes away
// leaves the list; when the file theme goes away the manager forgets it and
// takes the style DeepBlue (the controls do the same themselves).
class TsuiThemeManager : public TComponent, public TsuiSkinBinding
{
  public:
    explicit TsuiThemeManager(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    // Restyles the listed components, then fires OnUIStyleChanged when the
    // style differs from the one before. Setting FileTheme restyles them
    // with the current style (no event).
    void SetUIStyle(TsuiUIStyle Value) override;
    TsuiThemeMgrCompList* CompList() const { return FCompList.get(); }
    // Copies the names of Value.
    void SetCompList(const TStrings* Value);

    // Sets UIStyle, then FileTheme, on each listed component in list order.
    // Only when the owner is a form.
    void UpdateAll();
    void UpdateTheme() { UpdateAll(); }

    TNotifyEvent OnUIStyleChanged;

  protected:
    void ApplySkin() override { UpdateAll(); }
    // Only the manager forgets the theme: each control does so itself.
    void FileThemeRemoved() override { StoreUIStyle(DeepBlue); }
    void Notification(TComponent* AComponent, TOperation Operation) override;

  private:
    std::unique_ptr<TsuiThemeMgrCompList> FCompList;
};

// Restyles every skinned component of Form at once through a new theme
// manager owned by Form: UIStyle with FileTheme (which may be null).
// Skinned components without a name are named first (class name without its
// leading letter, then a number), since the manager finds its components by
// name.
TsuiThemeManager* RestyleForm(TCustomForm& Form, TsuiUIStyle UIStyle, TsuiFileTheme* FileTheme);
