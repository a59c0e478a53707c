#pragma once

// Registers the common controls' slider class (with the other bar classes).
// Needed before a dialog template that holds sliders is instantiated.
void initCommonControls();
