#pragma once

#include "platform/comm/CommError.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Port numbers are what the user sees ("COM7"). A number maps to a device
// path through a link file "com<N>" (a symbolic link to the device; exactly
// that name, no leading zeros) in the user folder, then in the runtime
// folder, then through the fixed table. A runtime link counts only while the
// process that made it holds its PortLock; a stale one is removed. Table:
// COM1-32 -> /dev/ttyS0-31, COM33-64 -> /dev/ttyUSB0-31,
// COM65-96 -> /dev/ttyACM0-31.
struct PortFolders
{
    std::string User;    // $XDG_CONFIG_HOME/novla-tool/ports or ~/.config/novla-tool/ports
    std::string Runtime; // $XDG_RUNTIME_DIR/novla-tool/ports or /tmp/novla-tool-<uid>/ports
};

// The folders for the current user, read from the environment on each call.
PortFolders PortFoldersFromEnvironment();

enum class PortSource
{
    UserLink,
    RuntimeLink,
    DefaultTable,
};

struct PortLocation
{
    int Number = 0;
    std::string DevicePath; // a link's target is made absolute against its folder
    PortSource Source = PortSource::DefaultTable;
};

class PortMap
{
  public:
    // Folders from the environment.
    PortMap();
    explicit PortMap(PortFolders Folders);

    // Where port Number lives; nullopt for a number that has neither a link
    // nor a table entry. A link wins even when its target is missing, so a
    // user's link to an unplugged adapter is reported as missing rather than
    // silently replaced by another device.
    std::optional<PortLocation> Find(int Number) const;

    // Every port worth showing: each linked number, and each table entry
    // whose device exists (all table entries when IncludeMissing), ordered
    // by number.
    std::vector<PortLocation> Candidates(bool IncludeMissing = false) const;

    // The link folders that exist but are ignored because they (or their
    // parents) are not private to this user.
    std::vector<std::string> IgnoredFolders() const;

    const PortFolders& Folders() const { return FFolders; }

  private:
    std::optional<PortLocation> FindLink(const std::string& Folder, int Number,
                                         PortSource Source) const;

    PortFolders FFolders;
};

// "COM<N>".
std::string PortName(int Number);
// Number from "COM<N>" (any case) or plain "<N>"; nullopt unless N is 1..9999.
std::optional<int> ParsePortName(std::string_view Text);
// The table's device for Number; empty outside 1..96.
std::string DefaultDevicePath(int Number);
// The link file name for Number: "com<N>".
std::string LinkFileName(int Number);

// True when Path is a real folder (not a link) owned by this user that no
// other user can write to (group write only for the user's own group), and
// so is its parent. Links in any other folder are ignored: in a shared place
// like /tmp anyone could plant them.
bool IsPrivateFolder(const std::string& Path);
// Creates Path and its parents as needed (new folders mode 0700) and checks
// IsPrivateFolder.
CommError EnsurePrivateFolder(const std::string& Path);
