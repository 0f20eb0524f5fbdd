#pragma once

#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/ioctl.h>
#include <unistd.h>

// What this process still holds of a terminal device, read from outside
// the code under test: descriptors listed in /proc/self/fd that lead to
// Device, and the terminal's exclusive flag.
inline int DescriptorsOn(const std::string& Device)
{
    int Count = 0;
    DIR* Folder = opendir("/proc/self/fd");
    if (!Folder) return -1;
    while (const dirent* Entry = readdir(Folder))
    {
        char Target[4096];
        const std::string Link = std::string("/proc/self/fd/") + Entry->d_name;
        const ssize_t Length = readlink(Link.c_str(), Target, sizeof Target - 1);
        if (Length > 0 && std::string(Target, static_cast<size_t>(Length)) == Device) ++Count;
    }
    closedir(Folder);
    return Count;
}

// True when the terminal's exclusive flag is set (or it cannot be opened
// to look).
inline bool ExclusiveFlagSet(const std::string& Device)
{
    const int Fd = open(Device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (Fd < 0) return true;
    int Exclusive = 0;
    const bool Set = ioctl(Fd, TIOCGEXCL, &Exclusive) != 0 || Exclusive != 0;
    close(Fd);
    return Set;
}
