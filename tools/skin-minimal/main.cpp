// skin-minimal: the smallest program with a skinned window, as the skinned
// library's guide shows it: a skinned form in one built-in style with a
// check box, a progress bar and a button that steps the bar.
#include "framework/controls/Application.h"
#include "framework/controls/Form.h"
#include "platform/win/sdl/StartBackend.h"
#include "skin/SUIButton.h"
#include "skin/SUICheckBox.h"
#include "skin/SUIForm.h"
#include "skin/SUIProgressBar.h"

#include <cstdio>

int main()
{
    std::string Error;
    const auto Backend = StartBackend(/*Headless=*/false, Error);
    if (!Backend)
    {
        std::fprintf(stderr, "skin-minimal: %s\n", Error.c_str());
        return 2;
    }
    TApplication App;
    App.Initialize();
    TForm* Form = nullptr;
    App.CreateForm(Form);
    Form->SetBorderStyle(bsSingle);
    Form->SetClientWidth(240);
    Form->SetClientHeight(130);

    // The skinned form fills the window and draws its frame and title bar;
    // controls made afterwards with the window as owner take its style.
    auto* Skin = new TsuiForm(Form);
    Skin->SetUIStyle(Protein);
    Skin->SetCaption("Skinned");

    auto* Bar = new TsuiProgressBar(Form);
    Bar->SetParent(Skin);
    Bar->SetBounds(12, 40, 216, 18);
    Bar->SetShowCaption(true);

    auto* Fast = new TsuiCheckBox(Form);
    Fast->SetParent(Skin);
    Fast->SetBounds(12, 66, 120, 20);
    Fast->SetCaption("&Big steps");

    auto* Step = new TsuiButton(Form);
    Step->SetParent(Skin);
    Step->SetBounds(152, 92, 76, 26);
    Step->SetCaption("&Step");
    Step->OnClick = [=](TObject*) { Bar->StepBy(Fast->Checked() ? 25 : 10); };

    App.Run();
    return 0;
}
