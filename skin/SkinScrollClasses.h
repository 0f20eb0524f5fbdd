#pragma once

// Registers the skinned scroll bar and list box for form definitions.
void RegisterSkinScrollClasses();
