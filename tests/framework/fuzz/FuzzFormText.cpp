// libFuzzer entry for form definitions as text: the parser must read or
// refuse any text with EFormError, what it reads must be written and read
// back to the same tree, and the reader must build components of every
// property kind (the sample classes) and the framework's controls on the
// in-memory desktop, or refuse the definition, leaving nothing behind.

#include "framework/Component.h"
#include "framework/Exception.h"
#include "framework/FormDefinition.h"
#include "framework/FormReader.h"
#include "framework/comctrls/CommonControlClasses.h"
#include "framework/controls/Application.h"
#include "framework/menus/MenuClasses.h"
#include "framework/stdctrls/StandardControlClasses.h"
#include "platform/win/headless/HeadlessDesktop.h"

#include <cstdlib>
#include <string_view>

// From the sample classes (tests/framework/SampleClasses.h), whose enum
// values would clash with the controls' in this file.
void RegisterSampleClasses();

namespace
{
// The desktop and the application a program has, made once for all runs.
struct Environment
{
    THeadlessDesktop Desktop{640, 480};
    TApplication App;
    Environment()
    {
        App.Initialize();
        RegisterStandardControlClasses();
        RegisterMenuClasses();
        RegisterCommonControlClasses();
        RegisterSampleClasses();
    }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    static Environment* const Once = new Environment;
    (void)Once;
    const std::string_view Text(reinterpret_cast<const char*>(Data), Size);
    try
    {
        const std::string Written = FormatFormDefinition(ParseFormDefinition(Text));
        if (FormatFormDefinition(ParseFormDefinition(Written)) != Written) std::abort();
    }
    catch (const EFormError&)
    {
    }
    try
    {
        if (TComponent* Root = TFormReader::Create(Text, nullptr)) Root->Free();
    }
    catch (const Exception&)
    {
    }
    return 0;
}
