#pragma once

// Registers the skinned check box, radio button, check and radio groups,
// progress bar and track bar for form definitions.
void RegisterSkinToggleClasses();
