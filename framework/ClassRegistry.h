#pragma once

#include <initializer_list>
#include <string_view>

class TClassInfo;

// The process-wide table of classes a form definition may name. Register a
// class before reading a definition that creates it; registering the same
// class again does nothing. Two different classes under one name throw
// EComponentError. Names compare without case.
void RegisterClass(const TClassInfo& Class);
void RegisterClasses(std::initializer_list<const TClassInfo*> Classes);
void UnregisterClass(const TClassInfo& Class);
// Null when no class of that name is registered.
const TClassInfo* FindClass(std::string_view Name);
