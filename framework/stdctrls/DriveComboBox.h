#pragma once

#include "framework/stdctrls/ComboBox.h"

#include <string>
#include <string_view>
#include <vector>

// A pick-only list of the places a user stores files on: the home folder,
// the root of the file system and the mounted file systems a user would
// choose from (removable media, disks and network shares mounted anywhere
// but in the system's own trees). Drive is the path of the selected place.
class TDriveComboBox : public TCustomComboBox
{
  public:
    explicit TDriveComboBox(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    // The selected place's path; setting one that is not listed keeps the
    // selection.
    std::string Drive() const { return Text(); }
    void SetDrive(const std::string& Value);
    // Reads the mounted file systems again and keeps the selected place
    // when it is still there (else the first place).
    void Refresh();

    // The places for a mount table in the format of /proc/self/mounts
    // (device, mount point with octal escapes, type, ...) and a home folder
    // ("" for none): the home folder, "/", then the chosen mount points in
    // sorted order, each once.
    static std::vector<std::string> PlacesFromMounts(std::string_view Mounts,
                                                     const std::string& Home);
};
