#pragma once

// Registers the skinned buttons, panels, group box and status bar
// (TsuiButton, TsuiImageButton, TsuiArrowButton, TsuiControlButton,
// TsuiImagePanel, TsuiPanel, TsuiGroupBox, TsuiStatusBar) by name, so form
// definitions can create them. Safe to call more than once.
void RegisterSkinButtonClasses();
