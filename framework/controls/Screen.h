#pragma once

#include "framework/Component.h"
#include "framework/Event.h"
#include "framework/controls/ControlTypes.h"
#include "platform/gfx/Geometry.h"

#include <vector>

class TCustomForm;
class TWinControl;

// The program's view of the screen: its forms, the active form and control,
// and a pointer shape that overrides every control's while set.
class TScreen : public TComponent
{
  public:
    explicit TScreen(TComponent* AOwner);
    ~TScreen() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    int FormCount() const { return static_cast<int>(FForms.size()); }
    TCustomForm* Forms(int Index) const { return FForms.at(static_cast<size_t>(Index)); }
    TCustomForm* ActiveForm() const { return FActiveForm; }
    TWinControl* ActiveControl() const { return FActiveControl; }

    // crDefault: each control's own cursor.
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor Value);

    int Width() const;
    int Height() const;
    TRect WorkAreaRect() const;

    TNotifyEvent OnActiveFormChange;

    // Kept up to date by the forms.
    void AddForm(TCustomForm* Form);
    void RemoveForm(TCustomForm* Form);
    void SetActiveForm(TCustomForm* Form);
    void SetActiveControl(TWinControl* Control);

  private:
    std::vector<TCustomForm*> FForms;
    TCustomForm* FActiveForm = nullptr;
    TWinControl* FActiveControl = nullptr;
    TCursor FCursor = crDefault;
};

// The one screen object, made by the application; null without one.
extern TScreen* Screen;
