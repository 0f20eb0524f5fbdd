#include "platform/comm/TerminalHolders.h"

#include <cctype>
#include <cstdlib>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
struct DirCloser
{
    void operator()(DIR* D) const { closedir(D); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;

bool IsNumber(const char* Name)
{
    if (!*Name) return false;
    for (; *Name; ++Name)
        if (!std::isdigit(static_cast<unsigned char>(*Name))) return false;
    return true;
}

bool SameDevice(const struct stat& A, const struct stat& B)
{
    return S_ISCHR(A.st_mode) && A.st_dev == B.st_dev && A.st_rdev == B.st_rdev;
}
} // namespace

bool OthersHoldDevice(const std::string& Path, int OwnFd)
{
    struct stat Device
    {
    };
    if (stat(Path.c_str(), &Device) != 0 || !S_ISCHR(Device.st_mode)) return false;
    const DirHandle Processes(opendir("/proc"));
    if (!Processes) return false;
    const std::string Self = std::to_string(getpid());
    while (const dirent* Process = readdir(Processes.get()))
    {
        if (!IsNumber(Process->d_name)) continue;
        const std::string Folder = std::string("/proc/") + Process->d_name + "/fd";
        const DirHandle Descriptors(opendir(Folder.c_str()));
        if (!Descriptors) continue;
        const bool Own = Self == Process->d_name;
        while (const dirent* Entry = readdir(Descriptors.get()))
        {
            if (!IsNumber(Entry->d_name)) continue;
            if (Own && std::atoi(Entry->d_name) == OwnFd) continue;
            struct stat Target
            {
            };
            if (stat((Folder + "/" + Entry->d_name).c_str(), &Target) == 0 &&
                SameDevice(Target, Device))
                return true;
        }
    }
    return false;
}
