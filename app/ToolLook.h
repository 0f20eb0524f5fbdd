#pragma once

#include "app/ToolOptions.h"

#include <string>

class TCustomForm;

// Restyles every skinned control of Form at once through a theme manager
// owned by Form: the built-in style Options.Style, or the skin file
// Options.Skin (with Options.Password). Nothing happens without either.
// A title bar of another height than the window's own moves the content of
// Form's skinned frame and resizes Form by the difference, so no control
// lies under the bar.
// False with the reason in Error when the skin cannot be used; the window
// then keeps the look it had.
bool ApplyToolLook(TCustomForm& Form, const TToolOptions& Options, std::string& Error);
