// Status bars, tool bars and menus read from and written to form
// definitions: panels as a collection, menu items nested in their parents.

#include "../GuiFixture.h"

#include "framework/FormReader.h"
#include "framework/FormWriter.h"
#include "framework/comctrls/CommonControlClasses.h"
#include "framework/comctrls/StatusBar.h"
#include "framework/comctrls/ToolBar.h"
#include "framework/comctrls/ToolButton.h"
#include "framework/controls/Form.h"
#include "framework/menus/MenuClasses.h"
#include "framework/menus/PopupMenu.h"

namespace
{
constexpr const char* Definition = R"(object Window: TForm
  Caption = 'Window'
  object Tools: TToolBar
    Flat = True
    ShowCaptions = True
    object RunButton: TToolButton
      Caption = 'Run'
      AutoSize = True
    end
  end
  object Status: TStatusBar
    Panels = <
      item
        Text = 'Ready'
        Width = 120
      end
      item
        Alignment = taCenter
        Width = 160
      end>
  end
  object Popup: TPopupMenu
    object OpenItem: TMenuItem
      Caption = '&Open'
      ShortCut = 16463
      object RecentItem: TMenuItem
        Caption = 'Recent'
        Enabled = False
      end
    end
    object ExitItem: TMenuItem
      Caption = 'E&xit'
    end
  end
end
)";

class Definitions : public GuiTest
{
  protected:
    Definitions()
    {
        RegisterMenuClasses();
        RegisterCommonControlClasses();
    }

    void CheckWindow(TComponent* Root)
    {
        auto* Status = dynamic_cast<TStatusBar*>(Root->FindComponent("Status"));
        ASSERT_NE(Status, nullptr);
        ASSERT_EQ(Status->Panels()->Count(), 2);
        EXPECT_EQ(Status->Panels()->Items(0)->Text(), "Ready");
        EXPECT_EQ(Status->Panels()->Items(0)->Width(), 120);
        EXPECT_EQ(Status->Panels()->Items(1)->Alignment(), taCenter);
        auto* Tools = dynamic_cast<TToolBar*>(Root->FindComponent("Tools"));
        ASSERT_NE(Tools, nullptr);
        ASSERT_EQ(Tools->ButtonCount(), 1);
        EXPECT_EQ(Tools->Buttons(0)->Caption(), "Run");
        EXPECT_TRUE(Tools->Buttons(0)->AutoSize());
        auto* Popup = dynamic_cast<TPopupMenu*>(Root->FindComponent("Popup"));
        ASSERT_NE(Popup, nullptr);
        ASSERT_EQ(Popup->Items()->Count(), 2);
        TMenuItem* Open = Popup->Items()->Items(0);
        EXPECT_EQ(Open->Name(), "OpenItem");
        EXPECT_EQ(ShortCutToText(Open->ShortCut()), "Ctrl+O");
        ASSERT_EQ(Open->Count(), 1);
        EXPECT_EQ(Open->Items(0)->Name(), "RecentItem");
        EXPECT_FALSE(Open->Items(0)->Enabled());
        EXPECT_EQ(Popup->Items()->Items(1)->Name(), "ExitItem");
    }
};
} // namespace

TEST_F(Definitions, ReadAndWrittenBackWithTheSameTree)
{
    TComponent* Window = TFormReader::Create(Definition, &FApp);
    CheckWindow(Window);
    std::string Written = WriteFormDefinition(*Window);
    // Sub-items are written inside their parent item.
    EXPECT_LT(Written.find("object OpenItem"), Written.find("object RecentItem"));
    EXPECT_LT(Written.find("object RecentItem"), Written.find("object ExitItem"));
    static_cast<TComponent*>(Window)->Free();

    TComponent* Again = TFormReader::Create(Written, &FApp);
    CheckWindow(Again);
    Again->Free();
}
