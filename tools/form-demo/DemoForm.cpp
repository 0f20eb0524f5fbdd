#include "DemoForm.h"

#include "framework/PropertyRegistry.h"

#include <cstdio>
#include <string>

const TClassInfo& TDemoForm::StaticClass()
{
    static const TClassInfo Info = TClassBuilder<TDemoForm>("TDemoForm", &TForm::StaticClass())
                                       .Field("TitlePanel", &TDemoForm::TitlePanel)
                                       .Field("Settings", &TDemoForm::Settings)
                                       .Field("FrequencyLabel", &TDemoForm::FrequencyLabel)
                                       .Field("StatusLabel", &TDemoForm::StatusLabel)
                                       .Field("OkButton", &TDemoForm::OkButton)
                                       .Field("CancelButton", &TDemoForm::CancelButton)
                                       .Field("Ticker", &TDemoForm::Ticker)
                                       .Method("FormCreate", &TDemoForm::FormCreate)
                                       .Method("OkButtonClick", &TDemoForm::OkButtonClick)
                                       .Method("CloseButtonClick", &TDemoForm::CloseButtonClick)
                                       .Method("TickerTimer", &TDemoForm::TickerTimer)
                                       .Build();
    return Info;
}

void TDemoForm::FormCreate(TObject*)
{
    StatusLabel->SetCaption("Ready");
}

void TDemoForm::OkButtonClick(TObject*)
{
    std::printf("click OK\n");
    std::fflush(stdout);
}

void TDemoForm::CloseButtonClick(TObject*)
{
    Close();
}

void TDemoForm::TickerTimer(TObject*)
{
    ++FTicks;
    StatusLabel->SetCaption("Running for " + std::to_string(FTicks) + " s");
}
