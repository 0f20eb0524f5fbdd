#pragma once

#include <string>
#include <string_view>

enum class ShellOpenResult
{
    Started,        // the opener runs on its own; whether a browser appears is up to it
    InvalidAddress, // not an http/https address (see IsWebAddress), or no such document
    OpenerMissing,  // no executable opener (xdg-open) found
    LaunchFailed,   // the process could not be started
};

// True for "http://" or "https://" (any letter case) followed by a host and
// the rest of an address, without spaces or control characters, at most
// 4096 bytes. Anything else (other schemes, local files, options that start
// with "-") is not passed on.
bool IsWebAddress(std::string_view Url);

// Opens Url in the user's browser: runs the opener ("xdg-open", looked up in
// PATH; or a path to another program) with Url as its one argument, directly
// (no shell), in a session of its own and detached, so it neither waits for
// the browser nor leaves a process to collect. The opener gets no file
// descriptors of ours other than stdin (/dev/null), stdout and stderr.
ShellOpenResult ShellOpen(std::string_view Url);
ShellOpenResult ShellOpen(std::string_view Url, const std::string& Opener);

// "file://" and Path with every byte other than letters, digits and
// "/-._~" percent-encoded.
std::string FileAddress(std::string_view Path);

// Opens the document at Path (absolute, an existing regular file) the same
// way, as its file address; InvalidAddress for anything else.
ShellOpenResult ShellOpenDocument(const std::string& Path);
ShellOpenResult ShellOpenDocument(const std::string& Path, const std::string& Opener);

// A sentence for the user, e.g. for a status line or message box.
const char* ShellOpenResultText(ShellOpenResult Result);
