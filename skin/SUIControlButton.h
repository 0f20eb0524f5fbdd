#pragma once

#include "skin/SUICustomButton.h"

// A button showing one frame of any built-in theme picture (item ThemeID,
// a strip of PicCount frames): frame PicIndex, PicIndex + 1 under the
// pointer. It takes the picture's size and no focus by Tab.
class TsuiControlButton : public TsuiCustomButton
{
  public:
    explicit TsuiControlButton(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    int PicIndex() const { return FPicIndex; }
    void SetPicIndex(int Value);
    int PicCount() const { return FPicCount; }
    void SetPicCount(int Value);
    int ThemeID() const { return FThemeID; }
    void SetThemeID(int Value);

  protected:
    void PaintPic(TCanvas* ACanvas, TBitmap* Pic) override;
    void PaintButtonNormal(TBitmap* Pic) override;
    void PaintButtonMouseOn(TBitmap* Pic) override;
    void PaintButtonMouseDown(TBitmap* Pic) override;
    void PaintButtonDisabled(TBitmap* Pic) override;

  private:
    void Fetch(int FrameIndex, TBitmap* Pic);
    // The button takes the normal frame's size when the picture changes
    // (never in the middle of a paint).
    void FitToPicture();

    int FPicIndex = 0;
    int FPicCount = 0;
    int FThemeID = 0;
};
