#include "app/UserGuide.h"

#include <filesystem>
#include <system_error>

namespace
{
bool IsFile(const std::filesystem::path& Path)
{
    std::error_code Error;
    return std::filesystem::is_regular_file(Path, Error);
}
} // namespace

std::string FindUserGuide(const std::string& ExecutablePath)
{
    if (ExecutablePath.empty()) return {};
    const std::filesystem::path Folder = std::filesystem::path(ExecutablePath).parent_path();
    const std::filesystem::path Installed =
        Folder.parent_path() / "share" / "doc" / "novla-tool" / "README.md";
    if (IsFile(Installed)) return Installed.string();
    // A build tree sits a few folders below the source tree's top, which
    // holds both the guide and the window's sources.
    std::filesystem::path Up = Folder;
    for (int Level = 0; Level < 5 && Up.has_relative_path(); ++Level, Up = Up.parent_path())
        if (IsFile(Up / "README.md") && IsFile(Up / "app" / "MainForm.h"))
            return (Up / "README.md").string();
    return {};
}

std::string RunningExecutable()
{
    std::error_code Error;
    const std::filesystem::path Self = std::filesystem::read_symlink("/proc/self/exe", Error);
    return Error ? std::string() : Self.string();
}
