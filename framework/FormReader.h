#pragma once

#include <string_view>

class TComponent;

// Reads form definitions (see FormDefinition.h) into components.
//
// Every nested object is created through the class registry with the root
// as owner, named, given its enclosing object as parent component, and then
// receives its properties in the order written, through the setters, so a
// later assignment overrides what an earlier setter did. Nested paths
// ("Font.Name") set the object the getter returns; a collection is emptied
// and refilled item by item; a string list replaces its lines; binary data
// goes to the sub-object's ReadBinary. Event properties are bound to the
// root's handler methods of that name. Component references name the root
// or a component it owns; one to a component not read yet is set once
// everything is read (unless a later assignment replaced it). All
// components read carry csLoading and csReading while this happens; then
// Loaded is called on each, the root first, in creation order.
//
// A definition that names an unknown class, property, handler or component,
// gives a value a property does not take, or has bad syntax throws
// EFormError naming line and column. The components created by the failed
// read are freed; properties already given to the root keep their values.
class TFormReader
{
  public:
    // Reads into an existing root, whose class name must be the one the
    // definition's top object names. Call it once the root is fully
    // constructed (from the most derived constructor or later), so that the
    // root's own class supplies the handlers and component fields.
    static void Read(TComponent& Root, std::string_view Text);

    // Creates the top object by its registered class, owned by Owner (by
    // the caller when Owner is null), and reads the definition into it.
    static TComponent* Create(std::string_view Text, TComponent* Owner);

  private:
    friend class TFormLoad;
    static void BeginLoading(TComponent& C);
    static void EndReading(TComponent& C);
    static void EndLoading(TComponent& C);
};
