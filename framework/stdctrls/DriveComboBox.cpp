#include "framework/stdctrls/DriveComboBox.h"

#include "framework/PropertyRegistry.h"
#include "framework/UpdateScope.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace
{
// "\040" and the other octal escapes of the mount table.
std::string Unescape(std::string_view S)
{
    std::string R;
    for (size_t I = 0; I < S.size(); ++I)
    {
        auto Octal = [&](size_t At) { return At < S.size() && S[At] >= '0' && S[At] <= '7'; };
        if (S[I] == '\\' && Octal(I + 1) && Octal(I + 2) && Octal(I + 3))
        {
            R += static_cast<char>((S[I + 1] - '0') * 64 + (S[I + 2] - '0') * 8 + (S[I + 3] - '0'));
            I += 3;
        }
        else
            R += S[I];
    }
    return R;
}

bool Under(const std::string& Path, std::string_view Tree)
{
    return Path == Tree ||
           (Path.size() > Tree.size() && Path.starts_with(Tree) && Path[Tree.size()] == '/');
}

// Where removable media and hand-made mounts go: always a place.
bool IsMediaTree(const std::string& Point)
{
    return Under(Point, "/media") || Under(Point, "/run/media") || Under(Point, "/mnt");
}

// The system's own trees: never a place, whatever is mounted there.
bool IsSystemTree(const std::string& Point)
{
    for (std::string_view Tree : {"/proc", "/sys", "/dev", "/run", "/boot", "/snap", "/var", "/tmp",
                                  "/usr", "/etc", "/opt", "/srv", "/lib", "/bin", "/sbin"})
        if (Under(Point, Tree)) return true;
    return false;
}

// A disk (a block device) or a network share.
bool IsStorage(const std::string& Device, const std::string& Type)
{
    if (Device.starts_with("/dev/") && Type != "squashfs") return true;
    for (std::string_view Net : {"nfs", "nfs4", "cifs", "smb3", "fuse.sshfs"})
        if (Type == Net) return true;
    return false;
}

std::string ReadFile(const char* Path)
{
    std::ifstream In(Path);
    std::ostringstream S;
    S << In.rdbuf();
    return S.str();
}
} // namespace

std::vector<std::string> TDriveComboBox::PlacesFromMounts(std::string_view Mounts,
                                                          const std::string& Home)
{
    std::vector<std::string> Chosen;
    std::istringstream Lines{std::string(Mounts)};
    std::string Line;
    while (std::getline(Lines, Line))
    {
        std::istringstream Fields(Line);
        std::string Device, Point, Type;
        if (!(Fields >> Device >> Point >> Type)) continue;
        Point = Unescape(Point);
        if (Point.empty() || Point[0] != '/' || Point == "/") continue;
        if (IsMediaTree(Point) || (!IsSystemTree(Point) && IsStorage(Unescape(Device), Type)))
            Chosen.push_back(Point);
    }
    std::sort(Chosen.begin(), Chosen.end());
    std::vector<std::string> Places;
    if (!Home.empty()) Places.push_back(Home);
    if (Home != "/") Places.push_back("/");
    for (const std::string& P : Chosen)
        if (std::find(Places.begin(), Places.end(), P) == Places.end()) Places.push_back(P);
    return Places;
}

const TClassInfo& TDriveComboBox::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TDriveComboBox>("TDriveComboBox", &TCustomComboBox::StaticClass())
            .Integer("DropDownCount", &TDriveComboBox::DropDownCount,
                     &TDriveComboBox::SetDropDownCount)
            .Default(8)
            .Boolean("TabStop", &TDriveComboBox::TabStop, &TDriveComboBox::SetTabStop)
            .Default(true)
            .Event("OnChange", &TDriveComboBox::OnChange)
            .Event("OnCloseUp", &TDriveComboBox::OnCloseUp)
            .Event("OnDropDown", &TDriveComboBox::OnDropDown)
            .Event("OnSelect", &TDriveComboBox::OnSelect)
            .Build();
    return Info;
}

TDriveComboBox::TDriveComboBox(TComponent* AOwner) : TCustomComboBox(AOwner)
{
    SetStyle(csDropDownList);
    Refresh();
}

void TDriveComboBox::Refresh()
{
    std::string Selected = Drive();
    const char* Home = std::getenv("HOME");
    std::vector<std::string> Places =
        PlacesFromMounts(ReadFile("/proc/self/mounts"), Home ? Home : "");
    {
        TUpdateScope Batch(*Items());
        Items()->Clear();
        for (const std::string& P : Places)
            Items()->Add(P);
    }
    int Index = Items()->IndexOf(Selected);
    SetItemIndex(Index >= 0 ? Index : 0);
}

void TDriveComboBox::SetDrive(const std::string& Value)
{
    int Index = Items()->IndexOf(Value);
    if (Index >= 0) SetItemIndex(Index);
}
