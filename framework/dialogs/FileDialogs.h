#pragma once

#include "framework/Component.h"

#include <functional>
#include <string>
#include <vector>

class TForm;

// The classic file dialogs, built from the framework's own controls: the
// name edit above the file list (the current folder's files that match the
// selected type), the type list below it, the path of the current folder
// above the folder list ("..", then its sub-folders), OK and Cancel. Hidden
// files and folders (names starting with a dot) are not listed.
//
// Keys: Tab moves between the parts; Enter in the folder list opens the
// selected folder, elsewhere it takes the name typed (a folder's name, or
// a path, opens that folder); Backspace in a list goes up one folder;
// Escape cancels. A folder that cannot be read, a file that does not exist
// (open) or a folder to save into that does not exist is said in the
// dialog, which stays open.
class TOpenDialog : public TComponent
{
  public:
    explicit TOpenDialog(TComponent* AOwner);

    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& Value) { FTitle = Value; }
    // The folder the dialog starts in; the current folder when empty or
    // when FileName names a folder of its own.
    const std::string& InitialDir() const { return FInitialDir; }
    void SetInitialDir(const std::string& Value) { FInitialDir = Value; }
    // Before Execute: the name shown at first (a path's folder is also the
    // starting folder). After an Execute that returned true: the whole path
    // of the file chosen.
    const std::string& FileName() const { return FFileName; }
    void SetFileName(const std::string& Value) { FFileName = Value; }
    // Pairs of a description and a mask, separated by "|" ("Presets
    // (*.json)|*.json|All files (*)|*"); FilterIndex (from 1) picks the
    // type shown first.
    const std::string& Filter() const { return FFilter; }
    void SetFilter(const std::string& Value) { FFilter = Value; }
    int FilterIndex() const { return FFilterIndex; }
    void SetFilterIndex(int Value) { FFilterIndex = Value; }
    // Added, after a dot, to a name typed without one ("json").
    const std::string& DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const std::string& Value) { FDefaultExt = Value; }

    // Shows the dialog modally; true when a file was chosen (FileName).
    // Needs the application object.
    bool Execute();

    // The last message the dialog showed during the last Execute; empty
    // when none.
    const std::string& ShownError() const { return FShownError; }

    // Runs when the dialog has shown, with the dialog's form: its parts are
    // named "NameEdit", "FileList", "TypeList", "PathLabel", "FolderList",
    // "ErrorLabel", "OkButton" and "CancelButton".
    std::function<void(TForm* Dialog)> OnShow;

  protected:
    // Whether the chosen path may be taken; may say why not (ShowError) or
    // ask. The open dialog takes an existing file.
    virtual bool Acceptable(const std::string& Path);
    virtual const char* DefaultTitle() const { return "Open"; }
    void ShowError(const std::string& Text);

  private:
    class TDialogForm;
    friend class TDialogForm;

    std::string FTitle;
    std::string FInitialDir;
    std::string FFileName;
    std::string FFilter;
    int FFilterIndex = 1;
    std::string FDefaultExt;
    std::string FShownError;
    TDialogForm* FForm = nullptr; // while Execute runs
};

// The save dialog: a name that does not exist yet is taken (its folder must
// exist); an existing file only after the user confirms replacing it, when
// OverwritePrompt (the default).
class TSaveDialog : public TOpenDialog
{
  public:
    explicit TSaveDialog(TComponent* AOwner) : TOpenDialog(AOwner) {}

    bool OverwritePrompt() const { return FOverwritePrompt; }
    void SetOverwritePrompt(bool Value) { FOverwritePrompt = Value; }

  protected:
    bool Acceptable(const std::string& Path) override;
    const char* DefaultTitle() const override { return "Save As"; }

  private:
    bool FOverwritePrompt = true;
};

// The names in Folder that are shown: files matching Mask (patterns
// separated by ";") and folders, each sorted, hidden ones left out. False
// with Error when the folder cannot be read.
bool ListFolder(const std::string& Folder, const std::string& Mask, std::vector<std::string>& Files,
                std::vector<std::string>& Folders, std::string& Error);
