#include "SampleClasses.h"

#include "framework/ClassRegistry.h"
#include "framework/Exception.h"

const TClassInfo& TSampleFont::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TSampleFont>("TSampleFont", &TPersistent::StaticClass())
            .String("Name", &TSampleFont::Name, &TSampleFont::SetName)
            .Integer("Size", &TSampleFont::Size, &TSampleFont::SetSize)
            .Default(8)
            .Set("Style", &TSampleFont::Style, &TSampleFont::SetStyle,
                 {"fsBold", "fsItalic", "fsUnderline"})
            .Default(TSampleStyles{})
            .Color("Color", &TSampleFont::Color, &TSampleFont::SetColor)
            .Default(clWindowText)
            .Build();
    return Info;
}

void TSampleFont::Assign(const TPersistent* Source)
{
    if (auto* F = dynamic_cast<const TSampleFont*>(Source))
    {
        FName = F->FName;
        FSize = F->FSize;
        FStyle = F->FStyle;
        FColor = F->FColor;
        return;
    }
    TPersistent::Assign(Source);
}

const TClassInfo& TSamplePicture::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TSamplePicture>("TSamplePicture", &TPersistent::StaticClass()).Build();
    return Info;
}

void TSamplePicture::ReadBinary(std::span<const uint8_t> Data)
{
    if (Data.size() < 3 || Data[0] != 'P' || Data[1] != 'I' || Data[2] != 'C')
        throw Exception("Not a picture");
    FData.assign(Data.begin(), Data.end());
}

void TSamplePicture::Assign(const TPersistent* Source)
{
    if (auto* P = dynamic_cast<const TSamplePicture*>(Source))
    {
        FData = P->FData;
        return;
    }
    TPersistent::Assign(Source);
}

const TClassInfo& TSampleItem::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TSampleItem>("TSampleItem", &TCollectionItem::StaticClass())
            .String("Caption", &TSampleItem::Caption, &TSampleItem::SetCaption)
            .Integer("Width", &TSampleItem::Width, &TSampleItem::SetWidth)
            .Default(10)
            .Component("Target", &TSampleItem::Target, &TSampleItem::SetTarget)
            .Build();
    return Info;
}

void TSampleItem::SetCaption(const std::string& V)
{
    FCaption = V;
    Changed(false);
}

void TSampleItem::SetWidth(int V)
{
    FWidth = V;
    Changed(false);
}

void TSampleItem::Assign(const TPersistent* Source)
{
    if (auto* I = dynamic_cast<const TSampleItem*>(Source))
    {
        FCaption = I->FCaption;
        FWidth = I->FWidth;
        FTarget = I->FTarget;
        return;
    }
    TCollectionItem::Assign(Source);
}

TSampleWidget::TSampleWidget(TComponent* AOwner)
    : TComponent(AOwner), FFont(std::make_unique<TSampleFont>()),
      FPicture(std::make_unique<TSamplePicture>()), FItems(std::make_unique<TSampleItems>(this)),
      FLines(std::make_unique<TStringList>())
{
}

TSampleWidget::~TSampleWidget()
{
    if (DestroyedFlag) *DestroyedFlag = true;
    if (Log) Log->push_back("destroyed " + Name());
}

const TClassInfo& TSampleWidget::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TSampleWidget>("TSampleWidget", &TComponent::StaticClass())
            .Integer("Left", &TSampleWidget::Left, &TSampleWidget::SetLeft)
            .Integer("Width", &TSampleWidget::Width, &TSampleWidget::SetWidth)
            .Default(100)
            .Boolean("Visible", &TSampleWidget::Visible, &TSampleWidget::SetVisible)
            .Default(true)
            .Enum("Align", &TSampleWidget::Align, &TSampleWidget::SetAlign,
                  {"alNone", "alTop", "alBottom", "alClient"})
            .Default(alNone)
            .Set("Anchors", &TSampleWidget::Anchors, &TSampleWidget::SetAnchors,
                 {"fsBold", "fsItalic", "fsUnderline"})
            .Default(TSampleStyles{})
            .Integer("Theme", &TSampleWidget::Theme, &TSampleWidget::SetTheme)
            .Default(0)
            .Color("Color", &TSampleWidget::Color, &TSampleWidget::SetColor)
            .Default(clBtnFace)
            .Float("Value", &TSampleWidget::Value, &TSampleWidget::SetValue)
            .String("Caption", &TSampleWidget::Caption, &TSampleWidget::SetCaption)
            .Integer("ReadOnlyCount", &TSampleWidget::ReadOnlyCount)
            .Class("Font", &TSampleWidget::Font, &TSampleWidget::SetFont)
            .Binary("Picture", &TSampleWidget::Picture)
            .Collection("Items", &TSampleWidget::Items)
            .Strings("Lines", &TSampleWidget::Lines)
            .Component("Buddy", &TSampleWidget::Buddy, &TSampleWidget::SetBuddy)
            .Event("OnClick", &TSampleWidget::OnClick)
            .Event("OnValue", &TSampleWidget::OnValue)
            .Build();
    return Info;
}

void TSampleWidget::SetTheme(int V)
{
    FTheme = V;
    FColor = V == 0 ? clBtnFace : clLime;
    ++Setters;
}

void TSampleWidget::SetBuddy(TSampleWidget* V)
{
    if (FBuddy) FBuddy->RemoveFreeNotification(this);
    FBuddy = V;
    if (FBuddy) FBuddy->FreeNotification(this);
}

void TSampleWidget::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FBuddy) FBuddy = nullptr;
    if (Log && Operation == opRemove)
        Log->push_back(Name() + " heard removal of " + AComponent->Name());
}

void TSampleWidget::Loaded()
{
    const bool WasLoading = ComponentState().Contains(csLoading);
    TComponent::Loaded();
    if (Log)
        Log->push_back("loaded " + Name() + (WasLoading ? " (was loading)" : "") +
                       (FBuddy ? " buddy " + FBuddy->Name() : ""));
}

const TClassInfo& TSampleForm::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TSampleForm>("TSampleForm", &TSampleWidget::StaticClass())
            .Integer("Width", &TSampleForm::Width, &TSampleForm::SetWidth)
            .Default(300)
            .Method("ButtonClick", &TSampleForm::ButtonClick)
            .Method("ValueChanged", &TSampleForm::ValueChanged)
            .Field("Button1", &TSampleForm::Button1)
            .Field("SubForm", &TSampleForm::SubForm)
            .Build();
    return Info;
}

void RegisterSampleClasses()
{
    RegisterClasses({&TSampleWidget::StaticClass(), &TSampleForm::StaticClass()});
}
