#include "placement/placement.h"

#include "common/numbers.h"

namespace vantor {
namespace {

void ShowAs(Form& form, ShowMode showMode) {
  if (showMode == kShowModeless) form.Show();
}

// A start that comes while a dialog waits for the user (the choice, the
// missing clips) brings that dialog forward rather than opening its own.
// Dialogs nest (a message over the picker), so the one before comes back.
void ShowModalWaitingForUser(Instances& instances, Form& form) {
  struct Waiting {
    Instances& instances;
    WindowHandle before;
    ~Waiting() { instances.SetWaitingForUser(before); }
  } waiting{instances, instances.WaitingForUser()};
  instances.SetWaitingForUser(form.Host().Handle());
  form.ShowModal();
}

// The placement sections keep a window's state as a number.
int StoredWindowState(WindowState state) {
  switch (state) {
    case WindowState::Minimised:
      return 1;
    case WindowState::Maximised:
      return 2;
    case WindowState::Normal:
      break;
  }
  return 0;
}

// Windows keeps the normal rectangle of a window that is not a tool window
// in workspace coordinates: screen coordinates shifted by how far the work
// area of the window's own monitor lies inside that monitor. A taskbar on
// the left or at the top of that monitor makes the two differ by its size;
// the primary monitor's taskbar has nothing to do with a window on another.
Rect OnScreen(Rect workspace, PixelOffset offset) {
  workspace.left += offset.x;
  workspace.right += offset.x;
  workspace.top += offset.y;
  workspace.bottom += offset.y;
  return workspace;
}

Rect FoundNormalOnScreen(const PlacementState& found) {
  if (found.FoundIsToolWindow) return found.FoundPlacement;
  return OnScreen(found.FoundPlacement, found.FoundWorkAreaOffset);
}

// The program's own windows are no tool windows: their normal rectangle is
// always in workspace coordinates.
TwipsRect NormalRectOnScreen(Program& program, Form& form) {
  Platform& os = program.platform;
  TwipsRect normal = form.Host().WorkspaceNormalRect();
  const PixelOffset offset = os.WorkAreaOffset(form.Host().Handle());
  const TwipsPerPixel tpp = MeasureTwipsPerPixel(os);
  normal.left += offset.x * tpp.x;
  normal.top += offset.y * tpp.y;
  return normal;
}

// No window of the program is ever made topmost: every caller only wants
// its window in the normal band.
void PutInNormalBand(Form& form) { form.Host().SetNotTopmost(); }

}  // namespace

TwipsPerPixel MeasureTwipsPerPixel(Platform& platform) {
  return platform.CurrentScreen().twipsPerPixel;
}

WindowHandle FindWindowTitled(Platform& platform, const std::string& title) {
  return title.empty() ? 0 : platform.FindTopLevelWindow(title);
}

bool ReadFoundPlacement(Program& program, WindowHandle window) {
  PlacementState& state = program.placement;
  const std::optional<Rect> normal = program.platform.NormalPlacement(window);
  state.FoundPlacement = normal.value_or(Rect{});
  state.FoundIsToolWindow = program.platform.IsToolWindow(window);
  // Read now: the window may be gone, or on another monitor, when the
  // rectangle is used.
  state.FoundWorkAreaOffset = program.platform.WorkAreaOffset(window);
  return normal.has_value();
}

void RestoreFormPosition(Program& program, Form& form, const std::string& section,
                         PlacementFlags flags, ShowMode showMode) {
  form.Hide();
  const Settings& ini = program.settings;
  const std::int32_t left = ini.ReadIniInt(section, "left", -1);
  const std::int32_t top = ini.ReadIniInt(section, "top", -1);
  const std::int32_t width = ini.ReadIniInt(section, "width", -1);
  if (width < 0) {
    CenterForm(program, form, flags, showMode);
    return;
  }
  if (Has(flags, kApplyPosition)) form.SetPosition(left, top);
  FitFormToWorkArea(program, form);
  ShowAs(form, showMode);
  if (Has(flags, kApplyZOrder)) PutInNormalBand(form);
}

void CenterForm(Program& program, Form& form, PlacementFlags flags, ShowMode showMode) {
  const Screen screen = program.platform.CurrentScreen();
  form.Hide();
  form.SetPosition(
      Px(screen.WidthTwips() / 2.0 - form.Width() / 2.0),
      screen.widthPx >= 700 ? Px(screen.HeightTwips() / 2.0 - form.Height() / 2.0) : 0);
  if (showMode == kShowModal)
    ShowModalWaitingForUser(program.platform.ProgramInstances(), form);
  else
    ShowAs(form, showMode);
  // A modal window is gone by now; the z-order step would reach nothing.
  if (Has(flags, kApplyZOrder) && form.IsLoaded()) PutInNormalBand(form);
}

void PlaceFormBesideWindow(Program& program, Form& form, const std::string& section,
                           PlacementFlags flags, ShowMode showMode, const std::string& hostTitle) {
  Platform& os = program.platform;
  form.Hide();
  // Any stored width that is not negative counts as a stored placement,
  // also one too large for a 16-bit field.
  if (program.settings.ReadIniInt(section, "width", -1) >= 0) {
    RestoreFormPosition(program, form, section, flags, showMode);
    return;
  }
  const WindowHandle host = FindWindowTitled(os, hostTitle);
  if (host == 0 || !ReadFoundPlacement(program, host)) {
    RestoreFormPosition(program, form, section, flags, showMode);
    return;
  }
  const TwipsPerPixel tpp = MeasureTwipsPerPixel(os);
  const Rect r = FoundNormalOnScreen(program.placement);
  form.SetPosition(tpp.x * r.right, Px(((r.bottom - r.top) / 8.0 + r.top) * tpp.y));
  FitFormToWorkArea(program, form);
  ShowAs(form, showMode);
  if (Has(flags, kApplyZOrder)) PutInNormalBand(form);
}

void FitFormToWorkArea(Program& program, Form& form) {
  const Screen screen = program.platform.CurrentScreen();
  const Rect& work = screen.workArea;
  const int rightLimit = (work.right - work.left) * screen.twipsPerPixel.x;
  const int bottomLimit = (work.bottom - work.top) * screen.twipsPerPixel.y;
  int left = form.Left(), top = form.Top();
  if (top < 0) top = 0;
  if (left < 0) left = 0;
  if (left + form.Width() > rightLimit) left = rightLimit - form.Width();
  if (top + form.Height() > bottomLimit) top = bottomLimit - form.Height();
  // Moved only when it does not fit.
  if (left != form.Left() || top != form.Top()) form.SetPosition(left, top);
}

// A minimised or maximised window is saved with its normal rectangle: the
// place the user gave it, not the taskbar's corner or the whole work area.
void SaveFormPosition(Program& program, Form& form, const std::string& section) {
  const Settings& ini = program.settings;
  const TwipsRect normal = NormalRectOnScreen(program, form);
  ini.WriteIniString(section, "left", SignedText(normal.left));
  ini.WriteIniString(section, "top", SignedText(normal.top));
  ini.WriteIniString(section, "width", SignedText(normal.width));
  ini.WriteIniString(section, "height", SignedText(normal.height));
  ini.WriteIniString(section, "windowstate", SignedText(StoredWindowState(form.WindowState())));
}

void SaveFormPositionIfMoved(Program& program, Form& form, const std::string& section,
                             int startLeft, int startTop) {
  const TwipsRect normal = NormalRectOnScreen(program, form);
  if (normal.left != startLeft || normal.top != startTop) SaveFormPosition(program, form, section);
}

void SaveWindowPlacement(Program& program, const std::string& section) {
  const TwipsPerPixel tpp = MeasureTwipsPerPixel(program.platform);
  const Rect r = FoundNormalOnScreen(program.placement);
  const Settings& ini = program.settings;
  ini.WriteIniString(section, "left", SignedText(r.left * tpp.x));
  ini.WriteIniString(section, "top", SignedText(r.top * tpp.y));
  ini.WriteIniString(section, "width", SignedText((r.right - r.left) * tpp.x));
  ini.WriteIniString(section, "height", SignedText((r.bottom - r.top) * tpp.y));
}

}  // namespace vantor
