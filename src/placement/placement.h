// Where a window is shown and where it was: restoring, seating beside the
// host's window, centring, fitting to the work area and saving positions.
// Every window of the program is placed and shown through these.
#pragma once

#include <cstdint>
#include <string>

#include "platform/form.h"
#include "program.h"

namespace vantor {

// Placement flags.
constexpr int kApplyPosition = 2;
constexpr int kApplyZOrder = 4;

// Show modes: what to do once the window is placed.
constexpr int kShowModeless = -1;  // the framework's True
constexpr int kShowModal = 1;

// Measured now from the screen, never assumed.
TwipsPerPixel MeasureTwipsPerPixel(Platform& platform);

// A number as the placement sections store it: one leading blank when it
// is not negative (" 1500"), else a minus sign ("-300").
std::string SignedText(std::int32_t value);

// The top-level window titled exactly `title`; 0 for an empty title, which
// names no window.
WindowHandle FindWindowTitled(Platform& platform, const std::string& title);

// Reads the normal rectangle of another program's window into
// FoundPlacement. False when it cannot be read.
bool ReadFoundPlacement(Program& program, WindowHandle window);

// With kApplyZOrder a window is put into the normal z-order band: no window
// of the program is ever made topmost.
void RestoreFormPosition(Program& program, Form& form, const std::string& section, int flags,
                         int showMode);
void CenterForm(Program& program, Form& form, int flags, int showMode);
void PlaceFormBesideWindow(Program& program, Form& form, const std::string& section, int flags,
                           int showMode, const std::string& hostTitle);
void SaveFormPosition(Program& program, Form& form, const std::string& section);
// The unload handlers' save: only when the window's normal rectangle no
// longer stands where the window was placed at its load.
void SaveFormPositionIfMoved(Program& program, Form& form, const std::string& section,
                             int startLeft, int startTop);
void SaveWindowPlacement(Program& program, const std::string& section);
void FitFormToWorkArea(Program& program, Form& form);

}  // namespace vantor
