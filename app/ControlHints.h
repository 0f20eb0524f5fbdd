#pragma once

class TForm;

// Gives each of the configuration window's controls a short hint that
// says what it sets and its range, turns hints on for the window, and
// keeps the status bar's hint (the full message of the last result) to
// the result panel.
void ApplyControlHints(TForm* Form);
