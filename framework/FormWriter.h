#pragma once

#include "framework/FormDefinition.h"

#include <string>

class TComponent;

// Writes a component and the components written inside it (GetChildren) as
// a form definition that TFormReader reads back to the same state.
//
// Per object, the published properties in declaration order whose stored
// flag holds and whose value is not the default: ordinals unlike their
// declared default (always, when there is none), non-zero floats, non-empty
// strings; sub-objects as nested paths; collections always (an empty one
// as "<>", so reading empties the collection); string lists and binary
// data when not empty; event handlers bound by name; references to the root
// or to named components the root owns. Read-only simple properties and
// references to components outside the root are not written. A component's
// unpublished data (DefineBinary) follows its published properties.
TFormObject BuildFormDefinition(const TComponent& Root);
std::string WriteFormDefinition(const TComponent& Root);
