#pragma once

#include "skin/SUICustomButton.h"

class TPicture;

// A push button drawn from four pictures of its own (normal, pointer over,
// pressed, disabled; a missing one falls back to PicNormal) instead of the
// style's. The style plays no part: UIStyle always reads FromThemeFile.
class TsuiImageButton : public TsuiCustomButton
{
  public:
    explicit TsuiImageButton(TComponent* AOwner);
    ~TsuiImageButton() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    TsuiUIStyle UIStyle() const override { return FromThemeFile; }
    TPicture* PicNormal() const { return FPicNormal.get(); }
    void SetPicNormal(const TPicture* Value);
    TPicture* PicMouseOn() const { return FPicMouseOn.get(); }
    void SetPicMouseOn(const TPicture* Value);
    TPicture* PicMouseDown() const { return FPicMouseDown.get(); }
    void SetPicMouseDown(const TPicture* Value);
    TPicture* PicDisabled() const { return FPicDisabled.get(); }
    void SetPicDisabled(const TPicture* Value);
    // Stretch the picture over the button instead of drawing it at (0, 0).
    bool Stretch() const { return FStretch; }
    void SetStretch(bool Value);
    // Draw the focus rectangle while focused.
    bool DrawFocused() const { return FDrawFocused; }
    void SetDrawFocused(bool Value);

  protected:
    void AutoSizeChanged() override;
    void PaintPic(TCanvas* ACanvas, TBitmap* Pic) override;
    void PaintFocus(TCanvas* ACanvas) override;
    void PaintButtonNormal(TBitmap* Pic) override;
    void PaintButtonMouseOn(TBitmap* Pic) override;
    void PaintButtonMouseDown(TBitmap* Pic) override;
    void PaintButtonDisabled(TBitmap* Pic) override;

  private:
    void SetPicture(TPicture& Target, const TPicture* Value);
    void TakePicture(const TPicture& Source, TBitmap* Pic) const;

    std::unique_ptr<TPicture> FPicNormal;
    std::unique_ptr<TPicture> FPicMouseOn;
    std::unique_ptr<TPicture> FPicMouseDown;
    std::unique_ptr<TPicture> FPicDisabled;
    bool FStretch = false;
    bool FDrawFocused = false;
};
