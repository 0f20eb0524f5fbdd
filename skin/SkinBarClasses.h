#pragma once

// Registers the skinned tab and page controls, side channel, tool bar and
// notification pop-up by name, so form definitions can create them.
void RegisterSkinBarClasses();
