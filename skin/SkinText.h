#pragma once

#include "framework/controls/Dialogs.h"

#include <string>
#include <string_view>

class TCanvas;
class TFont;

// Text helpers of the skinned controls.

// Text when it fits in Width pixels on Canvas; otherwise the shortest
// shortened form (its first characters followed by "...") that reaches
// Width, or Text itself when none does. Never cuts inside a UTF-8
// character.
std::string FormatStringWithWidth(TCanvas* Canvas, const std::string& Text, int Width);

// Gives Font the system's caption font (face, height, style); its colour
// stays. Does nothing for a null Font.
void GetCaptionFont(TFont* Font);

// The caption of a message-dialog button in the user's language (from
// LC_ALL, LC_MESSAGES or LANG: English, German, French, Spanish or Chinese;
// English for any other). All, No to All and Yes to All have fixed English
// captions. Empty for a value outside the enumeration.
std::string GetLocaleButtonCaption(TMsgDlgBtn Button);
// The same for a given language code ("de", "fr_FR.UTF-8", ...).
std::string GetLocaleButtonCaption(TMsgDlgBtn Button, std::string_view Language);

// The text of a zero-terminated string; empty for null.
std::string PCharToStr(const char* Text);
