#pragma once

#include <string>

// The serial line the window starts with, as its lists show it: "COM7",
// "9600", "NO". An empty field leaves the list's own choice.
struct TLineChoice
{
    std::string Port;
    std::string Baud;
    std::string Parity;
};

// What the window keeps between runs. An empty field is not written.
struct TToolSettings
{
    TLineChoice Line;
    std::string PresetFolder; // the folder presets were last loaded from or saved to
};

// The PC baud rates the window offers, as texts; empty when Text is not one.
std::string BaudChoice(const std::string& Text);
// "NO", "ODD" or "EVEN" for no, odd or even in any case; empty otherwise.
std::string ParityChoice(const std::string& Text);
// "COM<N>" for com<N> in any case with N from 1 to 255; empty otherwise.
std::string PortChoice(const std::string& Text);

// The settings file: lines of key=value, with blank lines, comment lines
// (# or ;) and section lines ([...]) allowed. Keys it does not know are
// skipped, so a newer program's file still loads.
class TSettingsFile
{
  public:
    explicit TSettingsFile(std::string Path) : FPath(std::move(Path)) {}

    // $XDG_CONFIG_HOME/novla-tool/settings.ini (~/.config by default).
    static std::string DefaultPath();

    const std::string& Path() const { return FPath; }

    // A missing file gives empty settings. False with a sentence in Error
    // for a file that cannot be read or holds a line or a value this
    // program cannot take; Settings is then left empty.
    bool Load(TToolSettings& Settings, std::string& Error) const;
    // Writes a temporary file in the same folder and renames it over the
    // file, so a reader never sees half of it; creates the folder (private
    // to the user) when missing. False with a sentence in Error.
    bool Save(const TToolSettings& Settings, std::string& Error) const;

  private:
    std::string FPath;
};
