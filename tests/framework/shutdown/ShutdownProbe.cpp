// A program with one main form on real windows, for the shutdown check
// (scripts/checks/shutdown-xvfb.sh). It prints "shown" once the form is on
// screen, "closed" when the main form closes, "destroyed" when the form is
// freed and "exit" as main returns; the check ends it from outside.

#include "framework/controls/Application.h"
#include "framework/controls/Form.h"
#include "platform/win/sdl/StartBackend.h"

#include <cstdio>

namespace
{
void Say(const char* Line)
{
    std::printf("%s\n", Line);
    std::fflush(stdout);
}

class TProbeForm : public TForm
{
  public:
    using TForm::TForm;
    ~TProbeForm() override { Say("destroyed"); }
};
} // namespace

int main()
{
    std::string Error;
    std::unique_ptr<TBackend> Backend = StartBackend(false, Error);
    if (!Backend)
    {
        std::fprintf(stderr, "shutdown-probe: %s\n", Error.c_str());
        return 2;
    }
    {
        TApplication App;
        App.Initialize();
        TProbeForm* Form = nullptr;
        App.CreateForm(Form);
        Form->SetCaption("novla shutdown-probe");
        Form->SetBounds(40, 40, 240, 120);
        Form->OnClose = [](TObject*, TCloseAction&) { Say("closed"); };
        Form->Show();
        App.ProcessMessages();
        Say("shown");
        App.Run();
    }
    Say("exit");
    return 0;
}
