// Where a window is shown and where it was: restoring, seating beside the
// host's window, centring, fitting to the work area and saving positions.
// Every window of the program is placed and shown through these.
#pragma once

#include <cstdint>
#include <string>

#include "platform/form.h"
#include "program.h"

namespace vantor {

// Placement flags: what is applied besides the fit to the work area.
enum class PlacementFlags : unsigned {};
constexpr PlacementFlags kApplyPosition{2}, kApplyZOrder{4};
constexpr PlacementFlags operator|(PlacementFlags a, PlacementFlags b) {
  return PlacementFlags{static_cast<unsigned>(a) | static_cast<unsigned>(b)};
}
constexpr bool Has(PlacementFlags flags, PlacementFlags flag) {
  return (static_cast<unsigned>(flags) & static_cast<unsigned>(flag)) != 0;
}

// Show modes: what to do once the window is placed.
enum class ShowMode { Modeless, Modal };
constexpr ShowMode kShowModeless = ShowMode::Modeless, kShowModal = ShowMode::Modal;

// Measured now from the screen, never assumed.
TwipsPerPixel MeasureTwipsPerPixel(Platform& platform);

// The top-level window titled exactly `title`; 0 for an empty title, which
// names no window.
WindowHandle FindWindowTitled(Platform& platform, const std::string& title);

// Reads the normal rectangle of another program's window into
// FoundPlacement. False when it cannot be read.
bool ReadFoundPlacement(Program& program, WindowHandle window);

// With kApplyZOrder a window is put into the normal z-order band: no window
// of the program is ever made topmost.
void RestoreFormPosition(Program& program, Form& form, const std::string& section,
                         PlacementFlags flags, ShowMode showMode);
void CenterForm(Program& program, Form& form, PlacementFlags flags, ShowMode showMode);
void PlaceFormBesideWindow(Program& program, Form& form, const std::string& section,
                           PlacementFlags flags, ShowMode showMode, const std::string& hostTitle);
void SaveFormPosition(Program& program, Form& form, const std::string& section);
// The unload handlers' save: only when the window's normal rectangle no
// longer stands where the window was placed at its load.
void SaveFormPositionIfMoved(Program& program, Form& form, const std::string& section,
                             int startLeft, int startTop);
void SaveWindowPlacement(Program& program, const std::string& section);
void FitFormToWorkArea(Program& program, Form& form);

}  // namespace vantor
