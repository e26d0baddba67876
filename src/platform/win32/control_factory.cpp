#include "platform/win32/control_factory.h"

#include <algorithm>

#include "platform/win32/app.h"

namespace vantor::win32 {

namespace {

WindowRecipe KindRecipe(const ControlSpec& design, bool startsGroup) {
  constexpr DWORD kChild = WS_CHILD | WS_CLIPSIBLINGS;
  const DWORD group = startsGroup ? WS_GROUP : 0;
  switch (design.kind) {
    case ControlKind::Button:
      return {"BUTTON",
              kChild | WS_TABSTOP | group |
                  static_cast<DWORD>(design.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
              0, true};
    case ControlKind::GraphicalButton:
      return {"BUTTON", kChild | WS_TABSTOP | group | BS_OWNERDRAW, 0, true};
    case ControlKind::OptionButton:
      return {"BUTTON", kChild | group | (startsGroup ? WS_TABSTOP : 0) | BS_AUTORADIOBUTTON, 0,
              true};
    case ControlKind::Label:
      // A see-through label paints itself over what lies under it.
      if (design.transparent) return {kImageClass, kChild | group, 0, false};
      return {"STATIC", kChild | group | SS_LEFT | SS_NOTIFY, 0, true};
    case ControlKind::ComboBox:
      return {"COMBOBOX", kChild | WS_TABSTOP | group | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
              0, true};
    case ControlKind::DriveList:
    case ControlKind::DirList:
    case ControlKind::FileList:
      return {
          "LISTBOX",
          kChild | WS_TABSTOP | group | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
          0, true};
    case ControlKind::PictureBox:
      return {kPictureBoxClass, kChild | WS_CLIPCHILDREN | group, WS_EX_CONTROLPARENT, false};
    case ControlKind::Image:
      // Transparent so that an image without a picture shows what lies under
      // it and still receives the mouse.
      return {kImageClass, kChild | group, WS_EX_TRANSPARENT, false};
    case ControlKind::Line:
      return {kLineClass, kChild | group, 0, false};
    case ControlKind::TopicPane:
      // A plain child window; the topic display paints into it.
      return {kImageClass, kChild | group, 0, false};
    case ControlKind::Timer:
      return {};
  }
  return {};
}

}  // namespace

// Our own controls that the keyboard reaches are tab stops as well, for the
// dialog manager of windows that leave Tab to it.
WindowRecipe RecipeFor(const ControlSpec& design, bool startsGroup) {
  WindowRecipe recipe = KindRecipe(design, startsGroup);
  if (design.tabStop) recipe.style |= WS_TABSTOP;
  return recipe;
}

Bounds StoredBounds(ControlKind kind, Bounds bounds) {
  if (kind != ControlKind::Line) return bounds;
  if (bounds.width < 0)
    bounds = {bounds.left + bounds.width, bounds.top, -bounds.width, bounds.height};
  if (bounds.height < 0)
    bounds = {bounds.left, bounds.top + bounds.height, bounds.width, -bounds.height};
  return bounds;
}

SIZE WindowSize(ControlKind kind, const Bounds& bounds) {
  constexpr int kComboListHeight = 150;
  switch (kind) {
    case ControlKind::ComboBox:
      return {bounds.width, bounds.height + kComboListHeight};
    case ControlKind::Line:
      return {std::max(bounds.width, 1), std::max(bounds.height, 1)};
    default:
      return {bounds.width, bounds.height};
  }
}

bool IsPushButton(ControlKind kind) {
  return kind == ControlKind::Button || kind == ControlKind::GraphicalButton;
}

}  // namespace vantor::win32
