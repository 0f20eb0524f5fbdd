// The drive and filter combo boxes: which places and filters they list.

#include "../GuiFixture.h"

#include "framework/FormReader.h"
#include "framework/controls/Form.h"
#include "framework/stdctrls/DriveComboBox.h"
#include "framework/stdctrls/FilterComboBox.h"
#include "framework/stdctrls/StandardControlClasses.h"

#include <cstdlib>

namespace
{
using TPlaces = std::vector<std::string>;
} // namespace

TEST(DriveComboBox, PlacesAreHomeRootAndTheMountsAUserPicksFrom)
{
    const char* Mounts = "overlay / overlay rw,relatime 0 0\n"
                         "proc /proc proc rw 0 0\n"
                         "tmpfs /dev tmpfs rw 0 0\n"
                         "sysfs /sys sysfs ro 0 0\n"
                         "/dev/sda1 /boot/efi vfat rw 0 0\n"
                         "/dev/loop3 /snap/core/1 squashfs ro 0 0\n"
                         "/dev/sdb1 /media/ann/USB\\040STICK vfat rw 0 0\n"
                         "/dev/sdc1 /run/media/ann/CARD exfat rw 0 0\n"
                         "tmpfs /run/user/1000 tmpfs rw 0 0\n"
                         "server:/export /net/archive nfs4 rw 0 0\n"
                         "/dev/sda3 /data ext4 rw 0 0\n"
                         "/dev/sda3 /data ext4 rw 0 0\n"
                         "tmpfs /mnt/scratch tmpfs rw 0 0\n"
                         "broken line\n";
    EXPECT_EQ(TDriveComboBox::PlacesFromMounts(Mounts, "/home/ann"),
              (TPlaces{"/home/ann", "/", "/data", "/media/ann/USB STICK", "/mnt/scratch",
                       "/net/archive", "/run/media/ann/CARD"}));
    EXPECT_EQ(TDriveComboBox::PlacesFromMounts("", ""), TPlaces{"/"});
    EXPECT_EQ(TDriveComboBox::PlacesFromMounts("", "/"), TPlaces{"/"}) << "root as home: once";
}

TEST_F(GuiTest, DriveComboBoxSelectsTheHomeFolderFirst)
{
    auto* Form = new TForm(&FApp);
    auto* Drives = new TDriveComboBox(Form);
    Drives->SetParent(Form);
    const char* Home = std::getenv("HOME");
    ASSERT_GE(Drives->Items()->Count(), 1);
    EXPECT_EQ(Drives->Style(), csDropDownList);
    EXPECT_EQ(Drives->Drive(), Home && *Home ? Home : "/");
    Drives->SetDrive("/");
    EXPECT_EQ(Drives->Drive(), "/");
    Drives->SetDrive("/no/such/place");
    EXPECT_EQ(Drives->Drive(), "/") << "an unlisted path keeps the selection";
    Drives->Refresh();
    EXPECT_EQ(Drives->Drive(), "/");
}

TEST_F(GuiTest, FilterComboBoxListsDescriptionsAndGivesTheSelectedMask)
{
    auto* Form = new TForm(&FApp);
    auto* Filters = new TFilterComboBox(Form);
    Filters->SetParent(Form);
    EXPECT_EQ(Filters->Items()->Count(), 1);
    EXPECT_EQ(Filters->Mask(), "*");
    Filters->SetFilter("Skins (*.skn)|*.skn|Pictures|*.bmp;*.jpg|Odd one");
    ASSERT_EQ(Filters->Items()->Count(), 3);
    EXPECT_EQ(Filters->Text(), "Skins (*.skn)");
    EXPECT_EQ(Filters->Mask(), "*.skn");
    Filters->SetItemIndex(1);
    EXPECT_EQ(Filters->Mask(), "*.bmp;*.jpg");
    Filters->SetItemIndex(2);
    EXPECT_EQ(Filters->Mask(), "") << "a description without a mask";
    Filters->SetFilter("");
    EXPECT_EQ(Filters->Items()->Count(), 0);
    EXPECT_EQ(Filters->Mask(), "");
}

TEST_F(GuiTest, DriveAndFilterComboBoxesComeFromDefinitions)
{
    RegisterStandardControlClasses();
    TComponent* Window = TFormReader::Create(R"(object Window: TForm
  object Places: TDriveComboBox
  end
  object Types: TFilterComboBox
    Filter = 'Text (*.txt)|*.txt'
  end
end
)",
                                             &FApp);
    auto* Types = dynamic_cast<TFilterComboBox*>(Window->FindComponent("Types"));
    ASSERT_NE(Types, nullptr);
    EXPECT_EQ(Types->Mask(), "*.txt");
    EXPECT_NE(dynamic_cast<TDriveComboBox*>(Window->FindComponent("Places")), nullptr);
    Window->Free();
}
