#pragma once

// Registers the skinned scroll bar, list box and check list box for form
// definitions.
void RegisterSkinScrollClasses();
