#include "placement/placement.h"

#include <algorithm>

#include "common/numbers.h"

namespace vantor {
namespace {

int Twips(double value) { return static_cast<int>(RoundHalfEven(value)); }

int Factor(int twips, int pixels) {
  return static_cast<int>(RoundHalfEven(static_cast<double>(twips) / std::max(pixels, 1)));
}

void ShowAs(Form& form, int showMode) {
  if (showMode == kShowModeless) form.Show();
}

}  // namespace

TwipsPerPixel MeasureTwipsPerPixel(Platform& platform) {
  return {Factor(platform.ScreenWidthTwips(), platform.SystemMetrics(SM_CxScreen)),
          Factor(platform.ScreenHeightTwips(), platform.SystemMetrics(SM_CyScreen))};
}

std::string SignedText(std::int32_t value) {
  std::string text = std::to_string(value);
  if (value >= 0) text.insert(text.begin(), ' ');
  return text;
}

WindowHandle FindWindowTitled(Platform& platform, const std::string& title) {
  return title.empty() ? 0 : platform.FindTopLevelWindow(title);
}

bool ReadFoundPlacement(Program& program, WindowHandle window) {
  WindowPlacement& found = program.placement.FoundPlacement;
  found = WindowPlacement{};
  found.length = 44;
  return program.platform.GetWindowPlacement(window, found);
}

void RestoreFormPosition(Program& program, Form& form, const std::string& section, int flags,
                         bool onTop, int showMode) {
  form.Hide();
  const Settings& ini = program.settings;
  const std::int32_t left = ini.ReadIniInt(section, "left", -1);
  const std::int32_t top = ini.ReadIniInt(section, "top", -1);
  const std::int32_t width = ini.ReadIniInt(section, "width", -1);
  const std::int32_t height = ini.ReadIniInt(section, "height", -1);
  if (width < 0) {
    CenterForm(program, form, flags, onTop, showMode);
    return;
  }
  if (flags & kApplyPosition) {
    form.SetLeft(left);
    form.SetTop(top);
  }
  if (flags & kApplySize) {
    form.SetWidth(width);
    form.SetHeight(height);
  }
  FitFormToWorkArea(program, form);
  ShowAs(form, showMode);
  if (flags & kApplyZOrder) SetFormTopmost(program, form, onTop);
}

void CenterForm(Program& program, Form& form, int flags, bool onTop, int showMode) {
  Platform& os = program.platform;
  form.Hide();
  form.SetLeft(Twips(os.ScreenWidthTwips() / 2.0 - form.Width() / 2.0));
  if (os.SystemMetrics(SM_CxScreen) >= 700)
    form.SetTop(Twips(os.ScreenHeightTwips() / 2.0 - form.Height() / 2.0));
  else
    form.SetTop(0);
  if (showMode == kShowModal)
    form.ShowModal();
  else
    ShowAs(form, showMode);
  // A modal window is gone by now; the z-order step would reach nothing.
  if ((flags & kApplyZOrder) && form.IsLoaded()) SetFormTopmost(program, form, onTop);
}

void PlaceFormBesideWindow(Program& program, Form& form, const std::string& section, int flags,
                           bool onTop, int showMode, const std::string& hostTitle) {
  Platform& os = program.platform;
  form.Hide();
  // Any stored width that is not negative counts as a stored placement,
  // also one too large for a 16-bit field.
  if (program.settings.ReadIniInt(section, "width", -1) >= 0) {
    RestoreFormPosition(program, form, section, flags, onTop, showMode);
    return;
  }
  const WindowHandle host = FindWindowTitled(os, hostTitle);
  if (host == 0 || !ReadFoundPlacement(program, host)) {
    RestoreFormPosition(program, form, section, flags, onTop, showMode);
    return;
  }
  const TwipsPerPixel tpp = MeasureTwipsPerPixel(os);
  const Rect& r = program.placement.FoundPlacement.normal;
  form.SetLeft(tpp.x * r.right);
  form.SetTop(Twips(((r.bottom - r.top) / 8.0 + r.top) * tpp.y));
  FitFormToWorkArea(program, form);
  ShowAs(form, showMode);
  if (flags & kApplyZOrder) SetFormTopmost(program, form, onTop);
}

void FitFormToWorkArea(Program& program, Form& form) {
  Platform& os = program.platform;
  const TwipsPerPixel tpp = MeasureTwipsPerPixel(os);
  const Rect work = os.WorkArea();
  const int rightLimit = (work.right - work.left) * tpp.x;
  const int bottomLimit = (work.bottom - work.top) * tpp.y;
  if (form.Top() < 0) form.SetTop(0);
  if (form.Left() < 0) form.SetLeft(0);
  if (form.Left() + form.Width() > rightLimit) form.SetLeft(rightLimit - form.Width());
  if (form.Top() + form.Height() > bottomLimit) form.SetTop(bottomLimit - form.Height());
}

void SaveFormPosition(Program& program, Form& form, const std::string& section) {
  const Settings& ini = program.settings;
  ini.WriteIniString(section, "left", SignedText(form.Left()));
  ini.WriteIniString(section, "top", SignedText(form.Top()));
  ini.WriteIniString(section, "width", SignedText(form.Width()));
  ini.WriteIniString(section, "height", SignedText(form.Height()));
  ini.WriteIniString(section, "windowstate", SignedText(form.WindowState()));
}

void SaveWindowPlacement(Program& program, const std::string& section) {
  const TwipsPerPixel tpp = MeasureTwipsPerPixel(program.platform);
  const Rect& r = program.placement.FoundPlacement.normal;
  const Settings& ini = program.settings;
  ini.WriteIniString(section, "left", SignedText(r.left * tpp.x));
  ini.WriteIniString(section, "top", SignedText(r.top * tpp.y));
  ini.WriteIniString(section, "width", SignedText((r.right - r.left) * tpp.x));
  ini.WriteIniString(section, "height", SignedText((r.bottom - r.top) * tpp.y));
}

void SetFormTopmost(Program&, Form& form, bool /*onTop*/) {
  // No window of the program is ever made topmost: every caller only wants
  // its window in the normal band, whatever it asks for.
  form.Host().SetNotTopmost();
}

}  // namespace vantor
