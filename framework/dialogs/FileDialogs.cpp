#include "framework/dialogs/FileDialogs.h"

#include "framework/controls/Application.h"
#include "framework/controls/Button.h"
#include "framework/controls/Dialogs.h"
#include "framework/controls/Form.h"
#include "framework/controls/Label.h"
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/FilterComboBox.h"
#include "framework/stdctrls/ListBox.h"
#include "platform/win/WinApi.h"

#include <algorithm>
#include <filesystem>
#include <fnmatch.h>
#include <memory>
#include <system_error>

namespace fs = std::filesystem;

namespace
{
bool MatchesMask(const std::string& Name, const std::string& Mask)
{
    size_t Start = 0;
    while (Start <= Mask.size())
    {
        size_t End = Mask.find(';', Start);
        if (End == std::string::npos) End = Mask.size();
        const std::string Pattern = Mask.substr(Start, End - Start);
        if (!Pattern.empty() && fnmatch(Pattern.c_str(), Name.c_str(), FNM_PERIOD) == 0)
            return true;
        Start = End + 1;
    }
    return false;
}

std::string CurrentFolder()
{
    std::error_code Error;
    const fs::path Here = fs::current_path(Error);
    return Error ? std::string("/") : Here.string();
}

bool IsFolder(const std::string& Path)
{
    std::error_code Error;
    return fs::is_directory(Path, Error);
}

// Path without "." and ".." steps and without a trailing separator.
std::string NormalPath(const fs::path& Path)
{
    std::string Normal = Path.lexically_normal().string();
    if (Normal.size() > 1 && Normal.back() == '/') Normal.pop_back();
    return Normal;
}

bool Exists(const std::string& Path)
{
    std::error_code Error;
    return fs::exists(Path, Error);
}
} // namespace

bool ListFolder(const std::string& Folder, const std::string& Mask, std::vector<std::string>& Files,
                std::vector<std::string>& Folders, std::string& Error)
{
    Files.clear();
    Folders.clear();
    std::error_code Failure;
    fs::directory_iterator Entries(Folder, Failure);
    for (; !Failure && Entries != fs::directory_iterator(); Entries.increment(Failure))
    {
        const std::string Name = Entries->path().filename().string();
        if (Name.empty() || Name[0] == '.') continue;
        std::error_code Ignored;
        if (Entries->is_directory(Ignored))
            Folders.push_back(Name);
        else if (MatchesMask(Name, Mask))
            Files.push_back(Name);
    }
    if (Failure)
    {
        Files.clear();
        Folders.clear();
        Error = "Cannot read " + Folder + ": " + Failure.message();
        return false;
    }
    std::sort(Files.begin(), Files.end());
    std::sort(Folders.begin(), Folders.end());
    return true;
}

class TOpenDialog::TDialogForm : public TForm
{
  public:
    TDialogForm(TOpenDialog& Owner) : TForm(nullptr), FOwner(Owner)
    {
        SetBorderStyle(bsDialog);
        SetPosition(poScreenCenter);
        SetCaption(Owner.FTitle.empty() ? Owner.DefaultTitle() : Owner.FTitle);
        SetClientWidth(424);
        SetClientHeight(300);

        FNameEdit = Make<TEdit>("NameEdit", 8, 24, 200, 21);
        AddCaption("File &name:", 8, 8, FNameEdit);
        FFileList = Make<TListBox>("FileList", 8, 50, 200, 160);
        FTypeList = Make<TFilterComboBox>("TypeList", 8, 238, 200, 21);
        AddCaption("List files of &type:", 8, 222, FTypeList);
        FFolderList = Make<TListBox>("FolderList", 216, 50, 200, 160);
        AddCaption("&Folders:", 216, 8, FFolderList);
        FPathLabel = Make<TLabel>("PathLabel", 216, 26, 200, 16);
        FPathLabel->SetAutoSize(false);
        FPathLabel->SetShowAccelChar(false);
        FErrorLabel = Make<TLabel>("ErrorLabel", 216, 214, 200, 32);
        FErrorLabel->SetAutoSize(false);
        FErrorLabel->SetWordWrap(true);
        FErrorLabel->SetShowAccelChar(false);
        FErrorLabel->Font()->SetColor(clMaroon);
        auto* Ok = Make<TButton>("OkButton", 258, 266, 75, 25);
        Ok->SetCaption("OK");
        Ok->SetDefault(true);
        auto* Cancel = Make<TButton>("CancelButton", 341, 266, 75, 25);
        Cancel->SetCaption("Cancel");
        Cancel->SetCancel(true);
        Cancel->SetModalResult(mrCancel);

        FTypeList->SetFilter(Owner.FFilter.empty() ? "All files (*)|*" : Owner.FFilter);
        if (Owner.FFilterIndex >= 1 && Owner.FFilterIndex <= FTypeList->Items()->Count())
            FTypeList->SetItemIndex(Owner.FFilterIndex - 1);

        Ok->OnClick = [this](TObject*) { Accept(); };
        FTypeList->OnChange = [this](TObject*) { Browse(FFolder); };
        FFileList->OnClick = [this](TObject*) { TakeSelectedFile(); };
        FFileList->OnDblClick = [this](TObject*) { Accept(); };
        FFolderList->OnDblClick = [this](TObject*) { OpenSelectedFolder(); };
        for (TListBox* List : {FFileList, FFolderList})
            List->OnKeyDown = [this](TObject*, unsigned short& Key, TShiftState)
            {
                if (Key != VK_BACK) return;
                Key = 0;
                Browse(NormalPath(fs::path(FFolder) / ".."));
            };

        // The starting folder: the one of FileName's path, else InitialDir,
        // else the current one; a folder that cannot be read is said.
        const fs::path Given(Owner.FFileName);
        std::string Start = Owner.FInitialDir.empty() ? CurrentFolder() : Owner.FInitialDir;
        if (Given.has_parent_path()) Start = Given.parent_path().string();
        FFolder = NormalPath(fs::absolute(Start));
        FNameEdit->SetText(Given.filename().string());
        Browse(FFolder);
        SetActiveControl(FNameEdit);
    }

    void SayError(const std::string& Text)
    {
        FErrorLabel->SetCaption(Text);
        FOwner.FShownError = Text;
    }

  private:
    template <class T> T* Make(const char* Name, int Left, int Top, int Width, int Height)
    {
        auto* Control = new T(this);
        Control->SetName(Name);
        Control->SetParent(this);
        Control->SetBounds(Left, Top, Width, Height);
        return Control;
    }

    void AddCaption(const char* Text, int Left, int Top, TWinControl* For)
    {
        auto* Label = new TLabel(this);
        Label->SetParent(this);
        Label->SetCaption(Text);
        Label->SetLeft(Left);
        Label->SetTop(Top);
        Label->SetFocusControl(For);
    }

    // Lists Folder; a folder that cannot be read leaves the lists as they
    // were and is said.
    bool Browse(const std::string& Folder)
    {
        std::vector<std::string> Files, Folders;
        std::string Error;
        if (!ListFolder(Folder, FTypeList->Mask(), Files, Folders, Error))
        {
            SayError(Error);
            return false;
        }
        FFolder = Folder;
        FErrorLabel->SetCaption("");
        FPathLabel->SetCaption(Folder);
        FFileList->Items()->Clear();
        for (const std::string& Name : Files)
            FFileList->Items()->Add(Name);
        FFolderList->Items()->Clear();
        if (fs::path(Folder).has_relative_path()) FFolderList->Items()->Add("..");
        for (const std::string& Name : Folders)
            FFolderList->Items()->Add(Name);
        if (FFolderList->Items()->Count() > 0) FFolderList->SetItemIndex(0);
        return true;
    }

    void TakeSelectedFile()
    {
        const int Index = FFileList->ItemIndex();
        if (Index >= 0) FNameEdit->SetText(FFileList->Items()->Strings(Index));
    }

    void OpenSelectedFolder()
    {
        const int Index = FFolderList->ItemIndex();
        if (Index < 0) return;
        Browse(NormalPath(fs::path(FFolder) / FFolderList->Items()->Strings(Index)));
    }

    // OK, Enter or a double click on a file.
    void Accept()
    {
        if (ActiveControl() == FFolderList)
        {
            OpenSelectedFolder();
            return;
        }
        std::string Name = FNameEdit->Text();
        if (Name.empty()) return;
        if (Name[0] == '~')
            if (const char* Home = std::getenv("HOME")) Name = Home + Name.substr(1);
        std::string Path = NormalPath(fs::path(FFolder) / Name);
        if (IsFolder(Path))
        {
            if (Browse(Path)) FNameEdit->SetText("");
            return;
        }
        if (!FOwner.FDefaultExt.empty() && !fs::path(Name).has_extension() && !Exists(Path))
            Path += "." + FOwner.FDefaultExt;
        if (!FOwner.Acceptable(Path)) return;
        FOwner.FFileName = Path;
        SetModalResult(mrOk);
    }

    TOpenDialog& FOwner;
    std::string FFolder;
    TEdit* FNameEdit = nullptr;
    TListBox* FFileList = nullptr;
    TFilterComboBox* FTypeList = nullptr;
    TLabel* FPathLabel = nullptr;
    TListBox* FFolderList = nullptr;
    TLabel* FErrorLabel = nullptr;
};

TOpenDialog::TOpenDialog(TComponent* AOwner) : TComponent(AOwner) {}

bool TOpenDialog::Execute()
{
    FShownError.clear();
    auto Form = std::make_unique<TDialogForm>(*this);
    FForm = Form.get();
    struct TForget
    {
        TDialogForm*& Form;
        ~TForget() { Form = nullptr; }
    } Forget{FForm};
    Form->OnShow = [this](TObject*)
    {
        if (OnShow) OnShow(FForm);
    };
    return Form->ShowModal() == mrOk;
}

void TOpenDialog::ShowError(const std::string& Text)
{
    if (FForm) FForm->SayError(Text);
}

bool TOpenDialog::Acceptable(const std::string& Path)
{
    if (Exists(Path)) return true;
    ShowError(fs::path(Path).filename().string() + ": no such file");
    return false;
}

bool TSaveDialog::Acceptable(const std::string& Path)
{
    const fs::path File(Path);
    if (!IsFolder(File.parent_path().string()))
    {
        ShowError(File.parent_path().string() + ": no such folder");
        return false;
    }
    if (!OverwritePrompt() || !Exists(Path)) return true;
    return MessageDlg(File.filename().string() + " already exists.\nDo you want to replace it?",
                      mtConfirmation, {mbYes, mbNo}) == mrYes;
}
