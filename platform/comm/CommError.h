#pragma once

#include <string>

// Outcome of a serial device operation. Every failure carries a message
// meant for a person: it names the device and, where there is one, the fix.
enum class CommStatus
{
    Ok,
    NotFound,         // no such device (or a link points nowhere)
    Busy,             // another opener holds the device
    PermissionDenied, // the user may not open the device
    NotATerminal,     // the path exists but is no serial device
    Unsupported,      // the device cannot do what was asked (e.g. that baud rate)
    InvalidArgument,  // the caller's arguments were rejected before any device call
    NotOpen,          // the operation needs an open device
    TimedOut,         // the time-out passed before the operation finished
    WaitFailed,       // waiting for the device failed (the device may be fine)
    HungUp,           // the device went away (unplugged, peer closed)
    IoError,          // any other error the device reported
};

struct CommError
{
    CommStatus Status = CommStatus::Ok;
    int Errno = 0;       // errno of the failing call, 0 when none
    std::string Message; // empty when Status is Ok

    bool Ok() const { return Status == CommStatus::Ok; }
};

// Builds the error for a failed call on Path. Call names the operation in
// the message ("open", "configure"...). EACCES/EPERM name the group that owns
// the device, which is the usual fix.
CommError ErrorFromErrno(int Errno, const std::string& Path, const std::string& Call);

// Error with a fixed status and message, no errno.
CommError MakeError(CommStatus Status, std::string Message);

// The advice for a user who lacks permission on Path; empty when Path cannot
// be examined.
std::string PermissionHint(const std::string& Path);
// The advice for a device with permission bits Mode, owned by Owner and
// group Group: joining the group only when the group may read and write the
// device and is neither root's group nor "tty" (which would open every
// terminal); otherwise who can grant access.
std::string PermissionAdvice(unsigned Mode, const std::string& Owner, unsigned GroupId,
                             const std::string& Group);

// A short lower-case word for Status ("busy", "not found"...).
const char* StatusText(CommStatus Status);
