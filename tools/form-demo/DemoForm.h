#pragma once

#include "framework/controls/Button.h"
#include "framework/controls/Form.h"
#include "framework/controls/GroupBox.h"
#include "framework/controls/Label.h"
#include "framework/controls/Panel.h"
#include "framework/controls/Timer.h"

// The demo's window, built from the definition embedded as "TDemoForm".
class TDemoForm : public TForm
{
  public:
    explicit TDemoForm(TComponent* AOwner) : TForm(AOwner) {}

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    TPanel* TitlePanel = nullptr;
    TGroupBox* Settings = nullptr;
    TLabel* FrequencyLabel = nullptr;
    TLabel* StatusLabel = nullptr;
    TButton* OkButton = nullptr;
    TButton* CancelButton = nullptr;
    TTimer* Ticker = nullptr;

    void FormCreate(TObject* Sender);
    void OkButtonClick(TObject* Sender);
    void CloseButtonClick(TObject* Sender);
    void TickerTimer(TObject* Sender);

  private:
    int FTicks = 0;
};
