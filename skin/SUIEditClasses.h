#pragma once

// Makes the skinned edits, combo boxes and popup menu known to form
// definitions by their class names.
void RegisterSkinEditClasses();
