#pragma once

// Small classes that use the framework the way controls and forms will:
// a sub-object, a picture-like binary object, a collection with an owner
// that counts updates, a widget with one property of each kind, and a form
// with handlers and component fields.

#include "framework/Collection.h"
#include "framework/Color.h"
#include "framework/Component.h"
#include "framework/PropertyRegistry.h"
#include "framework/StringList.h"

#include <memory>
#include <string>
#include <vector>

enum TSampleAlign
{
    alNone,
    alTop,
    alBottom,
    alClient
};
enum TSampleStyle
{
    fsBold,
    fsItalic,
    fsUnderline
};
using TSampleStyles = TSet<TSampleStyle>;

class TSampleFont : public TPersistent
{
  public:
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    const std::string& Name() const { return FName; }
    void SetName(const std::string& V) { FName = V; }
    int Size() const { return FSize; }
    void SetSize(int V) { FSize = V; }
    TSampleStyles Style() const { return FStyle; }
    void SetStyle(TSampleStyles V) { FStyle = V; }
    TColor Color() const { return FColor; }
    void SetColor(TColor V) { FColor = V; }
    void Assign(const TPersistent* Source) override;

  private:
    std::string FName = "Sans";
    int FSize = 8;
    TSampleStyles FStyle;
    TColor FColor = clWindowText;
};

// Holds bytes that must start with "PIC".
class TSamplePicture : public TPersistent
{
  public:
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    void ReadBinary(std::span<const uint8_t> Data) override;
    TBytes WriteBinary() const override { return FData; }
    void Assign(const TPersistent* Source) override;
    const TBytes& Data() const { return FData; }

  private:
    TBytes FData;
};

class TSampleItem : public TCollectionItem
{
  public:
    explicit TSampleItem(TCollection* Collection) : TCollectionItem(Collection) {}
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& V);
    int Width() const { return FWidth; }
    void SetWidth(int V);
    TComponent* Target() const { return FTarget; }
    void SetTarget(TComponent* V) { FTarget = V; }
    void Assign(const TPersistent* Source) override;

  private:
    std::string FCaption;
    int FWidth = 10;
    TComponent* FTarget = nullptr;
};

// Records what Update reported: the changed item, or null for the whole.
class TSampleItems : public TCollection
{
  public:
    explicit TSampleItems(TPersistent* Owner) : TCollection(TSampleItem::StaticClass(), Owner) {}
    TSampleItem* Add() { return static_cast<TSampleItem*>(TCollection::Add()); }
    TSampleItem* Items(int I) const { return static_cast<TSampleItem*>(TCollection::Items(I)); }
    std::vector<TCollectionItem*> Updates;

  protected:
    void Update(TCollectionItem* Item) override { Updates.push_back(Item); }
};

// A component with one published property of each kind.
class TSampleWidget : public TComponent
{
  public:
    explicit TSampleWidget(TComponent* AOwner);
    ~TSampleWidget() override;
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    int Left() const { return FLeft; }
    void SetLeft(int V) { FLeft = V; }
    int Width() const { return FWidth; }
    void SetWidth(int V) { FWidth = V; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool V) { FVisible = V; }
    TSampleAlign Align() const { return FAlign; }
    void SetAlign(TSampleAlign V) { FAlign = V; }
    TSampleStyles Anchors() const { return FAnchors; }
    void SetAnchors(TSampleStyles V) { FAnchors = V; }
    TColor Color() const { return FColor; }
    void SetColor(TColor V) { FColor = V; }
    // Like a style property: choosing a theme also sets the colour.
    int Theme() const { return FTheme; }
    void SetTheme(int V);
    double Value() const { return FValue; }
    void SetValue(double V) { FValue = V; }
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& V) { FCaption = V; }
    int ReadOnlyCount() const { return 7; }
    TSampleFont* Font() const { return FFont.get(); }
    void SetFont(const TSampleFont* V) { FFont->Assign(V); }
    TSamplePicture* Picture() const { return FPicture.get(); }
    TSampleItems* Items() const { return FItems.get(); }
    TStringList* Lines() const { return FLines.get(); }
    TSampleWidget* Buddy() const { return FBuddy; }
    void SetBuddy(TSampleWidget* V);
    bool HasLongCaption() const { return FCaption.size() > 3; }

    TComponent* GetParentComponent() const override { return FParent; }
    void SetParentComponent(TComponent* V) override { FParent = dynamic_cast<TSampleWidget*>(V); }

    TNotifyEvent OnClick;
    TEvent<TObject*, double> OnValue;

    // What the widget saw: its own Loaded (with the buddy set by then?) and
    // removal notices.
    std::vector<std::string>* Log = DefaultLog;
    static inline std::vector<std::string>* DefaultLog = nullptr;
    bool* DestroyedFlag = nullptr;
    int Setters = 0;

  protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;

  private:
    int FLeft = 0;
    int FWidth = 100;
    bool FVisible = true;
    TSampleAlign FAlign = alNone;
    TSampleStyles FAnchors;
    TColor FColor = clBtnFace;
    int FTheme = 0;
    double FValue = 0;
    std::string FCaption;
    std::unique_ptr<TSampleFont> FFont;
    std::unique_ptr<TSamplePicture> FPicture;
    std::unique_ptr<TSampleItems> FItems;
    std::unique_ptr<TStringList> FLines;
    TSampleWidget* FBuddy = nullptr;
    TSampleWidget* FParent = nullptr;
};

// A form: redeclares Width with another default, offers handlers by name
// and keeps fields for the components named Button1 and SubForm.
class TSampleForm : public TSampleWidget
{
  public:
    explicit TSampleForm(TComponent* AOwner) : TSampleWidget(AOwner) { SetWidth(300); }
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    void ButtonClick(TObject* Sender) { Clicks.push_back(Sender); }
    void ValueChanged(TObject*, double V) { Values.push_back(V); }

    TSampleWidget* Button1 = nullptr;
    TSampleForm* SubForm = nullptr;
    std::vector<TObject*> Clicks;
    std::vector<double> Values;
};

// Registers the sample classes for reading (idempotent).
void RegisterSampleClasses();
