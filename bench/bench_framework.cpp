// Costs of building a window from its definition: reading (and writing) a
// form of the configuration window's size, about 60 components with a dozen
// properties each, a collection and string lists; and the number formatting
// and parsing a number edit does on every change.

#include "framework/ClassRegistry.h"
#include "framework/Collection.h"
#include "framework/Color.h"
#include "framework/Component.h"
#include "framework/Conversions.h"
#include "framework/FormReader.h"
#include "framework/FormWriter.h"
#include "framework/FormatFloat.h"
#include "framework/PropertyRegistry.h"
#include "framework/StringList.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace
{
class TBenchPanel : public TCollectionItem
{
  public:
    explicit TBenchPanel(TCollection* C) : TCollectionItem(C) {}
    static const TClassInfo& StaticClass()
    {
        static const TClassInfo Info =
            TClassBuilder<TBenchPanel>("TBenchPanel", &TCollectionItem::StaticClass())
                .Integer("Width", &TBenchPanel::Width, &TBenchPanel::SetWidth)
                .Build();
        return Info;
    }
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    int Width() const { return FWidth; }
    void SetWidth(int V) { FWidth = V; }

  private:
    int FWidth = 0;
};

class TBenchControl : public TComponent
{
  public:
    explicit TBenchControl(TComponent* Owner)
        : TComponent(Owner), FPanels(TBenchPanel::StaticClass(), this),
          FItems(std::make_unique<TStringList>())
    {
    }
    static const TClassInfo& StaticClass()
    {
        using T = TBenchControl;
        static const TClassInfo Info = TClassBuilder<T>("TBenchControl", &TComponent::StaticClass())
                                           .Integer("Left", &T::Get<0>, &T::Set<0>)
                                           .Integer("Top", &T::Get<1>, &T::Set<1>)
                                           .Integer("Width", &T::Get<2>, &T::Set<2>)
                                           .Integer("Height", &T::Get<3>, &T::Set<3>)
                                           .Integer("TabOrder", &T::Get<4>, &T::Set<4>)
                                           .Default(-1)
                                           .Color("Color", &T::Color, &T::SetColor)
                                           .Boolean("ParentColor", &T::Flag, &T::SetFlag)
                                           .Default(false)
                                           .String("Caption", &T::Caption, &T::SetCaption)
                                           .String("FontName", &T::FontName, &T::SetFontName)
                                           .Float("Value", &T::Value, &T::SetValue)
                                           .Collection("Panels", &T::Panels)
                                           .Strings("Items", &T::Items)
                                           .Build();
        return Info;
    }
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    template <int I> int Get() const { return FInts[I]; }
    template <int I> void Set(int V) { FInts[I] = V; }
    TColor Color() const { return FColor; }
    void SetColor(TColor V) { FColor = V; }
    bool Flag() const { return FFlag; }
    void SetFlag(bool V) { FFlag = V; }
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& V) { FCaption = V; }
    const std::string& FontName() const { return FFontName; }
    void SetFontName(const std::string& V) { FFontName = V; }
    double Value() const { return FValue; }
    void SetValue(double V) { FValue = V; }
    TCollection* Panels() const { return const_cast<TCollection*>(&FPanels); }
    TStringList* Items() const { return FItems.get(); }

  private:
    int FInts[5] = {0, 0, 0, 0, -1};
    TColor FColor = clBtnFace;
    bool FFlag = false;
    std::string FCaption, FFontName;
    double FValue = 0;
    TCollection FPanels;
    std::unique_ptr<TStringList> FItems;
};

std::string Definition()
{
    std::string S = "object Form: TBenchControl\n  Caption = 'window'\n";
    for (int I = 0; I < 60; ++I)
    {
        const std::string N = std::to_string(I);
        S += "  object Control" + N + ": TBenchControl\n    Left = " + N +
             "\n    Top = 24\n    Width = 57\n"
             "    Height = 21\n    TabOrder = " +
             N +
             "\n    Color = clLime\n    ParentColor = True\n"
             "    Caption = 'Control " +
             N +
             "'\n    FontName = 'MS Sans Serif'\n    Value = 433.25\n"
             "    Items = (\n      '1200'\n      '2400'\n      '9600')\n    Panels = <\n      "
             "item\n        Width = 120\n"
             "      end>\n  end\n";
    }
    return S + "end\n";
}

void ReadForm(benchmark::State& State)
{
    RegisterClass(TBenchControl::StaticClass());
    const std::string Text = Definition();
    for (auto _ : State)
    {
        TBenchControl Form(nullptr);
        TFormReader::Read(Form, Text);
        benchmark::DoNotOptimize(Form.ComponentCount());
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations() * Text.size()));
}
BENCHMARK(ReadForm);

void WriteForm(benchmark::State& State)
{
    RegisterClass(TBenchControl::StaticClass());
    TBenchControl Form(nullptr);
    TFormReader::Read(Form, Definition());
    for (auto _ : State)
        benchmark::DoNotOptimize(WriteFormDefinition(Form));
}
BENCHMARK(WriteForm);

void FormatAndParseNumber(benchmark::State& State)
{
    const TFormatSettings Settings;
    double V = 433.126;
    for (auto _ : State)
    {
        const std::string Text = FormatFloat("0.00", V, Settings);
        V = StrToFloat(Text, Settings) + 0.001;
        benchmark::DoNotOptimize(V);
    }
}
BENCHMARK(FormatAndParseNumber);
} // namespace

BENCHMARK_MAIN();
