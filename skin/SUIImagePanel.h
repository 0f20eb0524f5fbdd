#pragma once

#include "framework/controls/CustomPanel.h"

#include <cstdint>
#include <memory>

class TPicture;

// How a panel draws its picture: unscaled at the top-left corner, scaled to
// the client area, or repeated over it.
enum TsuiDrawStyle : uint8_t
{
    suiNormal,
    suiStretch,
    suiTile
};

// A panel that composes off-screen a background (Color, or the parent's
// picture when Transparent), its Picture in the DrawStyle, and a one-line
// caption placed by Alignment or at a fixed point, and copies it in one
// block. The panel's own bevels are not drawn.
class TsuiCustomPanel : public TCustomPanel
{
  public:
    explicit TsuiCustomPanel(TComponent* AOwner);
    ~TsuiCustomPanel() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

    // Owned; SetPicture copies.
    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(const TPicture* Value);
    bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool Value);
    // Takes the picture's size, except along the edges Align fixes.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    TsuiDrawStyle DrawStyle() const { return FDrawStyle; }
    void SetDrawStyle(TsuiDrawStyle Value);
    // A fixed caption position; -1 in either places the caption by
    // Alignment instead.
    int CaptionPosX() const { return FCaptionPosX; }
    void SetCaptionPosX(int Value);
    int CaptionPosY() const { return FCaptionPosY; }
    void SetCaptionPosY(int Value);

  protected:
    virtual void ClearPanel();
    // Receives the rectangle the previous caption took.
    virtual void RepaintText(const TRect&) {}
    virtual void PictureChanged(TObject* Sender);
    void Paint() override;
    void Resize() override;
    // The picture's graphic when it has pixels to draw, else null.
    const TGraphic* DrawableGraphic() const;

    void CMTextChanged(TMessage& M);
    void WMEraseBkgnd(TMessage& M);

    std::unique_ptr<TPicture> FPicture;
    bool FTransparent = false;
    bool FAutoSize = false;
    int FCaptionPosX = -1;
    int FCaptionPosY = -1;
    TsuiDrawStyle FDrawStyle = suiNormal;
    TRect FLastCaptionRect{};

  private:
    void ApplyAutoSize();
    void ApplyTransparency();
};

// The picture panel as form definitions use it. It has no UIStyle: it
// shows only its own picture.
class TsuiImagePanel : public TsuiCustomPanel
{
  public:
    using TsuiCustomPanel::TsuiCustomPanel;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
};
