#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// One step of a modal dialog run. It gets the dialog that is in front: the
// visible, enabled dialog of this thread (a nested dialog while one is open).
using DialogStep = std::function<void(HWND dialog)>;

// Runs the template modally through DialogBoxParamA (no owner) and performs
// the steps inside the dialog's message loop, one per timer tick, each once
// the previous step's posted input has been handled. A dialog still open 5 s
// after the last step is ended with `abandonedResult`, which a test can
// never expect.
constexpr INT_PTR abandonedResult = -99;
INT_PTR runModalDialog(HINSTANCE instance, int templateId, DLGPROC procedure,
                       std::vector<DialogStep> steps);

// Posts a click to a button of the dialog, as the mouse would give it.
void clickButton(HWND dialog, int id);

// Posts a key press to a window; to the dialog's focused control when
// `target` is the dialog itself and a control has the focus.
void pressKey(HWND target, UINT key);

std::string windowText(HWND window);
std::string itemText(HWND dialog, int id);
