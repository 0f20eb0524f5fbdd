// Form definitions with controls: reading into a form class, writing it back
// and reading that again gives the same definition.

#include "GuiFixture.h"

#include "framework/ClassRegistry.h"
#include "framework/Collection.h"
#include "framework/FormReader.h"
#include "framework/FormWriter.h"
#include "framework/PropertyRegistry.h"
#include "framework/controls/Button.h"
#include "framework/controls/Form.h"
#include "framework/controls/GraphicControl.h"
#include "framework/controls/Label.h"
#include "framework/controls/Panel.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Picture.h"

#include <cstdio>

namespace
{
class TCaptionItem : public TCollectionItem
{
  public:
    explicit TCaptionItem(TCollection* Collection) : TCollectionItem(Collection) {}
    static const TClassInfo& StaticClass()
    {
        static const TClassInfo Info =
            TClassBuilder<TCaptionItem>("TCaptionItem", &TCollectionItem::StaticClass())
                .String("Caption", &TCaptionItem::Caption, &TCaptionItem::SetCaption)
                .Component("Target", &TCaptionItem::Target, &TCaptionItem::SetTarget)
                .Build();
        return Info;
    }
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& V) { FCaption = V; }
    TComponent* Target() const { return FTarget; }
    void SetTarget(TComponent* V) { FTarget = V; }

  private:
    std::string FCaption;
    TComponent* FTarget = nullptr;
};

class TCaptionItems : public TCollection
{
  public:
    explicit TCaptionItems(TPersistent* Owner) : TCollection(TCaptionItem::StaticClass(), Owner) {}
    TCaptionItem* Items(int I) const { return static_cast<TCaptionItem*>(TCollection::Items(I)); }
};

// A picture with a caption list and a buddy control, for the round trip.
class TImageView : public TGraphicControl
{
  public:
    explicit TImageView(TComponent* AOwner)
        : TGraphicControl(AOwner), FPicture(std::make_unique<TPicture>()),
          FItems(std::make_unique<TCaptionItems>(this))
    {
    }

    static const TClassInfo& StaticClass()
    {
        static const TClassInfo Info =
            TClassBuilder<TImageView>("TImageView", &TGraphicControl::StaticClass())
                .Component("Buddy", &TImageView::Buddy, &TImageView::SetBuddy)
                .Collection("Items", &TImageView::Items)
                .Binary("Picture", &TImageView::Picture, &TImageView::SetPicture)
                .Build();
        return Info;
    }
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    TWinControl* Buddy() const { return FBuddy; }
    void SetBuddy(TWinControl* Value) { FBuddy = Value; }
    TCaptionItems* Items() const { return FItems.get(); }
    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(const TPicture* Value) { FPicture->Assign(Value); }

  protected:
    void Notification(TComponent* AComponent, TOperation Operation) override
    {
        TGraphicControl::Notification(AComponent, Operation);
        if (Operation == opRemove && AComponent == FBuddy) FBuddy = nullptr;
    }

  private:
    std::unique_ptr<TPicture> FPicture;
    std::unique_ptr<TCaptionItems> FItems;
    TWinControl* FBuddy = nullptr;
};

class TStreamForm : public TForm
{
  public:
    explicit TStreamForm(TComponent* AOwner) : TForm(AOwner) {}
    static const TClassInfo& StaticClass()
    {
        static const TClassInfo Info =
            TClassBuilder<TStreamForm>("TStreamForm", &TForm::StaticClass())
                .Field("Panel1", &TStreamForm::Panel1)
                .Field("View", &TStreamForm::View)
                .Field("Button1", &TStreamForm::Button1)
                .Method("Button1Click", &TStreamForm::Button1Click)
                .Build();
        return Info;
    }
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    void Button1Click(TObject*) { ++Clicks; }

    TPanel* Panel1 = nullptr;
    TImageView* View = nullptr;
    TButton* Button1 = nullptr;
    int Clicks = 0;
};

std::string Hex(const TBytes& Bytes)
{
    std::string Out;
    char Digits[3];
    for (uint8_t B : Bytes)
    {
        std::snprintf(Digits, sizeof Digits, "%02X", B);
        Out += Digits;
    }
    return Out;
}

std::string Definition()
{
    TPicture Picture;
    Picture.Bitmap()->SetSize(3, 2);
    return "object StreamForm: TStreamForm\n"
           "  Caption = 'Round trip'\n"
           "  ClientHeight = 120\n"
           "  ClientWidth = 200\n"
           "  Font.Name = 'Tahoma'\n"
           "  FormStyle = fsStayOnTop\n"
           "  object Panel1: TPanel\n"
           "    Height = 60\n"
           "    Align = alTop\n"
           "    Color = clRed\n"
           "    Font.Name = 'Courier'\n"
           "    ParentColor = True\n"
           "    ParentFont = True\n"
           "    object View: TImageView\n"
           "      Left = 4\n"
           "      Top = 4\n"
           "      Width = 40\n"
           "      Height = 30\n"
           "      Buddy = Button1\n"
           "      Items = <\n"
           "        item\n"
           "          Caption = 'first'\n"
           "          Target = Button1\n"
           "        end>\n"
           "      Picture = {" +
           Hex(Picture.WriteBinary()) +
           "}\n"
           "    end\n"
           "  end\n"
           "  object Button1: TButton\n"
           "    Left = 8\n"
           "    Top = 80\n"
           "    Caption = '&Go'\n"
           "    Default = True\n"
           "    OnClick = Button1Click\n"
           "  end\n"
           "end\n";
}

class FormStreamingTest : public GuiTest
{
  protected:
    FormStreamingTest()
    {
        RegisterClasses({&TImageView::StaticClass(), &TStreamForm::StaticClass()});
    }

    TStreamForm* Read(const std::string& Text)
    {
        auto* Form = new TStreamForm(&FApp);
        TFormReader::Read(*Form, Text);
        return Form;
    }
};
} // namespace

TEST_F(FormStreamingTest, ReadsControlsReferencesCollectionsAndPictures)
{
    TStreamForm* Form = Read(Definition());
    ASSERT_NE(Form->View, nullptr);
    EXPECT_EQ(Form->View->Parent(), Form->Panel1);
    EXPECT_EQ(Form->View->Buddy(), Form->Button1); // read before Button1 existed
    ASSERT_EQ(Form->View->Items()->Count(), 1);
    EXPECT_EQ(Form->View->Items()->Items(0)->Target(), Form->Button1);
    EXPECT_EQ(Form->View->Picture()->Width(), 3);
    EXPECT_EQ(Form->ClientWidth(), 200);
    EXPECT_EQ(Form->FormStyle(), fsStayOnTop);
    EXPECT_EQ(Form->Panel1->Width(), 200); // aligned to the top once loaded
    Form->Button1->Click();
    EXPECT_EQ(Form->Clicks, 1);
}

TEST_F(FormStreamingTest, LaterPropertiesOverrideWhatEarlierSettersDid)
{
    TStreamForm* Form = Read(Definition());
    // Color and Font.Name were set first, then ParentColor / ParentFont took
    // the parent's values again.
    EXPECT_TRUE(Form->Panel1->ParentColor());
    EXPECT_EQ(Form->Panel1->Color(), Form->Color());
    EXPECT_TRUE(Form->Panel1->ParentFont());
    EXPECT_EQ(Form->Panel1->Font()->Name(), "Tahoma");
}

TEST_F(FormStreamingTest, WriteAndReadAgainGiveTheSameDefinition)
{
    TStreamForm* Form = Read(Definition());
    std::string Written = WriteFormDefinition(*Form);
    Form->Free();
    TStreamForm* Again = Read(Written);
    EXPECT_EQ(WriteFormDefinition(*Again), Written);
    EXPECT_EQ(Again->View->Buddy(), Again->Button1);
    EXPECT_EQ(Again->View->Items()->Items(0)->Caption(), "first");
    EXPECT_EQ(Again->View->Picture()->Height(), 2);
    EXPECT_EQ(Again->Button1->Caption(), "&Go");
    EXPECT_TRUE(Again->Button1->Default());
    EXPECT_EQ(Again->Panel1->Align(), alTop);
}

TEST_F(FormStreamingTest, RemovalClearsReferencesToTheRemovedComponent)
{
    TStreamForm* Form = Read(Definition());
    Form->SetActiveControl(Form->Button1);
    Form->Button1->Free();
    EXPECT_EQ(Form->Button1, nullptr); // the field
    EXPECT_EQ(Form->View->Buddy(), nullptr);
    EXPECT_EQ(Form->ActiveControl(), nullptr);
}

TEST_F(FormStreamingTest, AnUnknownPropertyOfAControlIsRefusedWithItsPlace)
{
    auto* Form = new TStreamForm(&FApp);
    try
    {
        TFormReader::Read(*Form, "object StreamForm: TStreamForm\n"
                                 "  object Panel1: TPanel\n"
                                 "    Colour = clRed\n"
                                 "  end\n"
                                 "end\n");
        FAIL() << "no error";
    }
    catch (const EFormError& E)
    {
        EXPECT_EQ(E.Line(), 3);
    }
    EXPECT_EQ(Form->ControlCount(), 0);
}

namespace
{
class TEmbeddedForm : public TForm
{
  public:
    explicit TEmbeddedForm(TComponent* AOwner) : TForm(AOwner) {}
    static const TClassInfo& StaticClass()
    {
        static const TClassInfo Info =
            TClassBuilder<TEmbeddedForm>("TEmbeddedForm", &TForm::StaticClass())
                .Field("Title", &TEmbeddedForm::Title)
                .Method("FormCreate", &TEmbeddedForm::FormCreate)
                .Method("FormShow", &TEmbeddedForm::FormShow)
                .Build();
        return Info;
    }
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    void FormCreate(TObject*) { Events.push_back("create:" + (Title ? Title->Caption() : "")); }
    void FormShow(TObject*) { Events.push_back("show"); }

    TLabel* Title = nullptr;
    std::vector<std::string> Events;
};
} // namespace

TEST_F(GuiTest, AFormClassBuildsItselfFromTheDefinitionEmbeddedUnderItsName)
{
    RegisterClass(TEmbeddedForm::StaticClass());
    TEmbeddedForm* Form = nullptr;
    FApp.CreateForm(Form);
    EXPECT_EQ(FApp.MainForm(), Form);
    // OnCreate runs once everything is read; a stored Visible shows it after.
    EXPECT_EQ(Form->Events, (std::vector<std::string>{"create:From the resource table", "show"}));
    EXPECT_TRUE(Form->Showing());
    EXPECT_EQ(Form->ClientWidth(), 160);
}
