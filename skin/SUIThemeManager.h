#pragma once

#include "framework/Component.h"
#include "framework/Event.h"
#include "framework/StringList.h"
#include "skin/SUIThemes.h"

#include <memory>

class TsuiFileTheme;

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
// Names without a matching component, and components that do not publish
// UIStyle and FileTheme, are skipped. A listed component that goes away
// leaves the list; when the file theme goes away the manager forgets it and
// takes the style DeepBlue (the controls do the same themselves).
class TsuiThemeManager : public TComponent
{
  public:
    explicit TsuiThemeManager(TComponent* AOwner);
    ~TsuiThemeManager() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    TsuiUIStyle UIStyle() const { return FUIStyle; }
    // Restyles the listed components, then fires OnUIStyleChanged when the
    // style differs from the one before.
    void SetUIStyle(TsuiUIStyle Value);
    TsuiFileTheme* FileTheme() const { return FFileTheme; }
    // Restyles the listed components with the current style (no event).
    void SetFileTheme(TsuiFileTheme* Value);
    TsuiThemeMgrCompList* CompList() const { return FCompList.get(); }
    // Copies the names of Value.
    void SetCompList(const TStrings* Value);

    // Sets UIStyle, then FileTheme, on each listed component in list order.
    // Only when the owner is a form.
    void UpdateAll();
    void UpdateTheme() { UpdateAll(); }

    TNotifyEvent OnUIStyleChanged;

  protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

  private:
    TsuiUIStyle FUIStyle = DeepBlue;
    TsuiFileTheme* FFileTheme = nullptr;
    std::unique_ptr<TsuiThemeMgrCompList> FCompList;
};
