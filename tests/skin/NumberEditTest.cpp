// The skinned number edit on the headless desktop: every OnChange with the
// text and the value at that moment, for the program's and the user's
// changes, the key filter, entering and leaving.

#include "../framework/GuiFixture.h"

#include "framework/Exception.h"
#include "framework/FormatSettings.h"
#include "framework/controls/Form.h"
#include "framework/stdctrls/StdCtrlMessages.h"
#include "platform/win/WinApi.h"
#include "skin/SUINumberEdit.h"

#include <cmath>
#include <utility>

namespace
{
using TLog = std::vector<std::pair<std::string, double>>;

class NumberEditForm : public GuiTest
{
  protected:
    NumberEditForm()
    {
        SetFormatSettings(TFormatSettings::Invariant());
        FApp.OnException = [this](TObject*, const std::exception& E)
        { Errors.push_back(E.what()); };
        Form = new TForm(&FApp);
        Form->SetBounds(40, 40, 300, 150);
        Number = new TsuiNumberEdit(Form);
        Number->SetParent(Form);
        Number->SetBounds(10, 10, 100, 21);
        Number->OnChange = [this](TObject*) { Log.emplace_back(Number->Text(), Number->Value()); };
        Other = new TsuiEdit(Form);
        Other->SetParent(Form);
        Other->SetBounds(10, 50, 100, 21);
        Form->Show();
        FDesktop.Pump();
    }
    ~NumberEditForm() override { SetFormatSettings(TFormatSettings::Invariant()); }

    // A typed character, as the keyboard delivers it.
    void Type(const std::string& Chars)
    {
        for (char C : Chars)
            SendMessage(Number->Handle(), WM_CHAR, static_cast<unsigned char>(C), 1);
        FDesktop.Pump();
    }
    void Paste(const std::string& Clip)
    {
        OpenClipboard(nullptr);
        EmptyClipboard();
        SetClipboardText(Clip);
        CloseClipboard();
        SendMessage(Number->Handle(), WM_PASTE, 0, 0);
        FDesktop.Pump();
    }
    // Focus in the edit, its text replaced by Text without a record of it.
    void StartWith(const std::string& Text)
    {
        Number->SetFocus();
        Number->SetText(Text);
        Number->SetSelStart(static_cast<int>(Text.size()));
        FDesktop.Pump();
        Log.clear();
    }

    TForm* Form;
    TsuiNumberEdit* Number;
    TsuiEdit* Other;
    TLog Log;
    std::vector<std::string> Errors;
};
} // namespace

TEST_F(NumberEditForm, StartsAtZeroInTwoDecimalsFlushRight)
{
    EXPECT_EQ(Number->Text(), "0.00");
    EXPECT_EQ(Number->Value(), 0);
    EXPECT_EQ(Number->Mask(), "0.00");
    EXPECT_EQ(Number->AutoSelectSigns(), 2);
    EXPECT_EQ(Number->BorderStyle(), bsNone);
    EXPECT_EQ(Number->BorderWidth(), 2);
    EXPECT_TRUE(GetWindowLong(Number->Handle(), GWL_STYLE) & ES_RIGHT);
}

TEST_F(NumberEditForm, SetValueChangesTwiceOrNotAtAll)
{
    struct
    {
        const char* Mask;
        double Value;
        TLog Expected;
        double After;
    } const Steps[] = {
        {"0.00", 433, {{"433.00", 433}, {"433.00", 433}}, 433},
        {"0.00", 433, {}, 433},         // the text already shown
        {"0.00", 433.001, {}, 433.001}, // the same text: Value keeps v
        {"0.00", 433.126, {{"433.13", 433.13}, {"433.13", 433.13}}, 433.13}, // read back
        {"0", 255.5, {{"256", 256}, {"256", 256}}, 256},
        {"0", -12.5, {{"-13", -13}, {"-13", -13}}, -13}, // the program may set what keys may not
    };
    for (const auto& S : Steps)
    {
        Log.clear();
        Number->SetMask(S.Mask);
        Number->SetValue(S.Value);
        EXPECT_EQ(Log, S.Expected) << S.Mask << " " << S.Value;
        EXPECT_DOUBLE_EQ(Number->Value(), S.After) << S.Mask << " " << S.Value;
    }
    Log.clear();
    for (double Bad : {std::nan(""), HUGE_VAL, -HUGE_VAL})
        EXPECT_THROW(Number->SetValue(Bad), EConvertError);
    EXPECT_EQ(Number->Text(), "-13");
    EXPECT_TRUE(Log.empty());
}

TEST_F(NumberEditForm, TypingReadsEveryKeystroke)
{
    StartWith("");
    Type("43.5");
    EXPECT_EQ(Log, (TLog{{"4", 4}, {"43", 43}, {"43.", 43}, {"43.5", 43.5}}));
    Log.clear();
    Number->SelectAll();
    Type("\b");
    EXPECT_EQ(Log, (TLog{{"", 43.5}})) << "an empty text keeps the value";
    Type(".");
    EXPECT_EQ(Log, (TLog{{"", 43.5}, {".", 0}})) << "a lone separator reads as 0";
    Log.clear();
    Type("..");
    EXPECT_TRUE(Log.empty()) << "one separator only";
    EXPECT_EQ(Number->Text(), ".");
    Number->SelectAll();
    Type(".");
    EXPECT_EQ(Number->Text(), ".") << "even when the selection covers the first";
}

TEST_F(NumberEditForm, RefusedKeysBeepAndChangeNothing)
{
    struct
    {
        const char* Mask;
        const char* Text;
        int SelStart; // -1: the end
        char Key;
        bool Taken;
    } const Cases[] = {
        {"0", "12", -1, '.', false},    // no decimals in a whole number
        {"0.00", "12", -1, '-', false}, // no "-" in the pattern
        {"0.00", "12", -1, 'a', false},     {"0.00", "12", -1, ' ', false},
        {"0.00", "12", -1, '\r', false},    {"0.00", "12", -1, 26, false}, // Ctrl+Z
        {"0.00", "12", -1, 1, false},                                      // Ctrl+A
        {"0.00", "12", -1, ',', true},                                     // either separator
        {"0.00", "1,2", -1, '.', false},                                   // but only one
        {"0.00", "12", -1, '7', true},      {"0.00", "12", -1, '\b', true},
        {"0", "214748364", -1, '7', true},  // the largest whole number held
        {"0", "214748364", -1, '8', false}, // one beyond it
        {"-0.00", "12", 0, '-', true},      // at the start of a text without one
        {"-0.00", "12", 1, '-', false},     // not inside
        {"-0.00", "-12", 0, '-', false},    // not twice
        {"0;-0", "12", 0, '-', true},
    };
    for (const auto& C : Cases)
    {
        Number->SetMask(C.Mask);
        StartWith(C.Text);
        if (C.SelStart >= 0) Number->SetSelStart(C.SelStart);
        int Beeps = FDesktop.Beeps();
        double Value = Number->Value();
        Type(std::string(1, C.Key));
        EXPECT_EQ(FDesktop.Beeps() > Beeps, !C.Taken) << C.Mask << " " << int(C.Key);
        EXPECT_EQ(!Log.empty() || Number->SelLength() > 0, C.Taken) << C.Mask << " " << int(C.Key);
        if (!C.Taken)
        {
            EXPECT_EQ(Number->Text(), C.Text);
            EXPECT_EQ(Number->Value(), Value);
        }
    }
    EXPECT_TRUE(Errors.empty());
}

TEST_F(NumberEditForm, TheKeyPressHandlerSeesTheKeyFirst)
{
    Number->OnKeyPress = [](TObject*, char& Key)
    {
        if (Key == 'x') Key = '5';
    };
    StartWith("1");
    Type("x");
    EXPECT_EQ(Number->Text(), "15");
    EXPECT_EQ(Number->Value(), 15);
}

TEST_F(NumberEditForm, LeavingRewritesTheTextInThePattern)
{
    struct
    {
        const char* Mask;
        const char* Text;
        TLog Expected;
    } const Cases[] = {
        {"0.00", "", {{"0", 0}, {"0", 0}, {"0.00", 0}, {"0.00", 0}}},
        {"0", "", {{"0", 0}, {"0", 0}}},
        {"0.00", "433", {{"433.00", 433}, {"433.00", 433}}},
        {"0.00", "433.00", {}},
        {"0.00;-0.00", "-", {{"0", 0}, {"0", 0}, {"0.00", 0}, {"0.00", 0}}},
    };
    for (const auto& C : Cases)
    {
        Number->SetMask(C.Mask);
        StartWith(C.Text);
        Other->SetFocus();
        FDesktop.Pump();
        EXPECT_EQ(Log, C.Expected) << C.Mask << " '" << C.Text << "'";
    }
}

TEST_F(NumberEditForm, EnteringSelectsTheLastSigns)
{
    Number->SetValue(433);
    struct
    {
        int Signs;
        int SelStart;
        int SelLength;
    } const Cases[] = {{2, 4, 2}, {0, 0, 6}, {6, 0, 6}};
    for (const auto& C : Cases)
    {
        Number->SetAutoSelectSigns(C.Signs);
        Other->SetFocus();
        FDesktop.Pump();
        FDesktop.Press(VK_TAB);
        FDesktop.Pump();
        ASSERT_TRUE(Number->Focused());
        EXPECT_EQ(Number->SelStart(), C.SelStart) << C.Signs;
        EXPECT_EQ(Number->SelLength(), C.SelLength) << C.Signs;
    }
    // A click ends with the same selection, and enters again.
    int Enters = 0;
    Number->OnEnter = [&](TObject*) { ++Enters; };
    Number->SetAutoSelectSigns(2);
    ClickOn(Number);
    FDesktop.Pump();
    EXPECT_EQ(Number->SelStart(), 4);
    EXPECT_EQ(Number->SelLength(), 2);
    EXPECT_EQ(Enters, 1);
    Number->OnEnter = {};
}

TEST_F(NumberEditForm, AProgramsTextThatIsNoNumberIsReplacedAndReported)
{
    Number->SetValue(433);
    struct
    {
        const char* Mask;
        const char* Text;
        const char* Restored;
    } const Cases[] = {
        {"0.00", "abc", "433.00"},
        {"0.00", "-1", "433.00"},    // no minus in the pattern: no negative value either
        {"0.00", "1e999", "433.00"}, // beyond a double
        {"0", "99999999999", "433"}, // beyond the whole numbers callers read
        {"0", "-5", "433"},
    };
    for (const auto& C : Cases)
    {
        Number->SetMask(C.Mask);
        Number->SetValue(433.5);
        Number->SetValue(433);
        Log.clear();
        Errors.clear();
        Number->SetText(C.Text);
        ASSERT_EQ(Errors.size(), 1u) << C.Text;
        EXPECT_EQ(Errors[0], std::string("'") + C.Text + "' is not a valid floating point value");
        EXPECT_EQ(Log, (TLog{{C.Restored, 433}, {C.Restored, 433}})) << C.Text;
        EXPECT_EQ(Number->Value(), 433);
    }
    // Within the limits the same paths accept.
    Errors.clear();
    Number->SetMask("-0");
    Number->SetText("-5");
    EXPECT_EQ(Number->Value(), -5);
    Number->SetMask("0");
    Number->SetText("2147483647");
    EXPECT_EQ(Number->Value(), 2147483647.0);
    EXPECT_TRUE(Errors.empty());
}

TEST_F(NumberEditForm, APasteGoesInAsTypedWithoutAnErrorReport)
{
    struct
    {
        const char* Mask;
        const char* Text;
        bool SelectAll; // else the caret at the end
        const char* Pasted;
        const char* After;
        double Value;
        bool Beep;
    } const Cases[] = {
        {"0.00", "433.50", true, "-12.5", "12.5", 12.5, true}, // no minus in the pattern
        {"0.00", "", false, "868.5", "868.5", 868.5, false},
        {"0.00", "", false, "868,50", "868.50", 868.5, false}, // either separator
        {"0.00", "", false, " 868.5 \r\n12", "868.5", 868.5, false},
        {"0.00", "", false, "1,234.5", "1234.5", 1234.5, true}, // the last one separates
        {"0.00", "43.5", false, "1.2", "43.512", 43.512, true}, // one separator only
        {"0.00", "", false, "1e999", "1999", 1999, true},
        {"0.00", "433.50", true, "abc", "433.50", 433.5, true}, // nothing usable
        {"0.00", "433.50", true, " \t", "433.50", 433.5, true},
        {"-0.00", "", false, "-12.5", "-12.5", -12.5, false},
        {"-0.00", "5", false, "-1", "51", 51, true}, // a minus only at the start
        {"0", "258", true, "-7", "7", 7, true},
        {"0", "258", true, "abc123", "123", 123, true},
        {"0", "258", true, "\xEF\xBC\x91\xEF\xBC\x92", "258", 258, true}, // full-width
        {"0", "258", true, "12345678901234567890123456", "2147483647", 2147483647, true},
        {"0", "258", true, "2147483647", "2147483647", 2147483647, false},
        {"-0", "", false, "-12345678901234567890123456", "-2147483648", -2147483648.0, true},
        {"0", "", false, "1.5", "15", 15, true}, // no decimals in a whole number
    };
    for (const auto& C : Cases)
    {
        Number->SetMask(C.Mask);
        Number->SetValue(0);
        StartWith(C.Text);
        if (C.SelectAll) Number->SelectAll();
        const double Before = Number->Value();
        const int Beeps = FDesktop.Beeps();
        Paste(C.Pasted);
        EXPECT_EQ(Number->Text(), C.After) << C.Mask << " " << C.Pasted;
        EXPECT_DOUBLE_EQ(Number->Value(), C.After == std::string(C.Text) ? Before : C.Value)
            << C.Mask << " " << C.Pasted;
        EXPECT_EQ(FDesktop.Beeps() > Beeps, C.Beep) << C.Mask << " " << C.Pasted;
        EXPECT_EQ(Log.empty(), C.After == std::string(C.Text)) << C.Mask << " " << C.Pasted;
    }
    EXPECT_TRUE(Errors.empty()) << Errors.front();
}

TEST_F(NumberEditForm, APastedValueMeetsTheLimitsOfOnChange)
{
    Number->SetMask("0");
    Number->OnChange = [this](TObject*)
    {
        if (Number->Value() > 255) Number->SetValue(255);
    };
    StartWith("7");
    Number->SelectAll();
    Paste("12345678901234567890123456");
    EXPECT_EQ(Number->Text(), "255");
    EXPECT_EQ(Number->Value(), 255);
    EXPECT_TRUE(Errors.empty());
}

TEST_F(NumberEditForm, AReadOnlyEditBeepsAtAPaste)
{
    StartWith("12");
    Number->SetReadOnly(true);
    const int Beeps = FDesktop.Beeps();
    Paste("34");
    EXPECT_EQ(Number->Text(), "12");
    EXPECT_EQ(FDesktop.Beeps(), Beeps + 1);
}

TEST_F(NumberEditForm, AProgramsBadTextRaisesTheChangesOfTheRewriteOnly)
{
    Number->SetValue(12);
    Log.clear();
    Number->SetText("12x");
    EXPECT_EQ(Log, (TLog{{"12.00", 12}, {"12.00", 12}}));
    EXPECT_EQ(Errors.size(), 1u);
}

TEST_F(NumberEditForm, ACommaLocaleTakesEitherSeparatorAndShowsTheComma)
{
    SetFormatSettings(TFormatSettings::FromSeparators(",", "."));
    Number->SetValue(433);
    EXPECT_EQ(Number->Text(), "433,00");
    StartWith("");
    const int Beeps = FDesktop.Beeps();
    Type("868.5");
    EXPECT_EQ(FDesktop.Beeps(), Beeps);
    EXPECT_EQ(Number->Text(), "868,5");
    EXPECT_EQ(Number->Value(), 868.5);
    Other->SetFocus();
    FDesktop.Pump();
    EXPECT_EQ(Number->Text(), "868,50");
    StartWith("43");
    Type(",5");
    EXPECT_EQ(Number->Text(), "43,5");
    EXPECT_EQ(Number->Value(), 43.5);
    StartWith("");
    Paste("868.50");
    EXPECT_EQ(Number->Text(), "868,50");
    EXPECT_EQ(Number->Value(), 868.5);
    StartWith("868.5"); // a program's text with the other separator
    EXPECT_EQ(Number->Value(), 868.5);
    StartWith("1.234,5"); // beside the locale's, the other one groups digits
    EXPECT_EQ(Number->Value(), 1234.5);
    Number->SetMask("0");
    StartWith("1.234"); // a whole number has no decimals
    EXPECT_EQ(Number->Value(), 1234);
    EXPECT_TRUE(Errors.empty());
}

TEST_F(NumberEditForm, AStyleChangeReplacesTheBorderColour)
{
    Number->SetUIStyle(Protein);
    EXPECT_EQ(Number->BorderColor(), clBlack);
    Number->SetBorderColor(clRed);
    Number->SetUIStyle(MacOS);
    EXPECT_EQ(Number->BorderColor(), TColor(0x7F7F7F));
    Number->SetColor(clLime);
    FDesktop.Pump();
    RECT W;
    GetWindowRect(Number->Handle(), &W);
    EXPECT_EQ(FDesktop.ScreenPixel(W.left, W.top), TColor(0x7F7F7F));
    EXPECT_EQ(FDesktop.ScreenPixel(W.right - 1, W.bottom - 1), TColor(0x7F7F7F));
    EXPECT_EQ(FDesktop.ScreenPixel(W.left + 1, W.top + 1), clLime);
    EXPECT_EQ(FDesktop.ScreenPixel(W.right - 2, W.top + 10), clLime);
    // A frame-only repaint keeps the frame.
    SetWindowPos(Number->Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    FDesktop.Pump();
    EXPECT_EQ(FDesktop.ScreenPixel(W.left, W.top + 10), TColor(0x7F7F7F));
}
