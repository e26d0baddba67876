#include "platform/accessibility.h"

#include <algorithm>

namespace vantor {
namespace {

// "&Quit" is "Quit" to a screen reader; "&&" is one "&".
std::string WithoutAccessMarks(const std::string& caption) {
  std::string text;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    text += caption[i];
  }
  return text;
}

bool IsOption(const ControlSpec& design) { return RoleOf(design) == AccessibleRole::RadioButton; }

// The options that count as one tab stop: the elements of one array, or
// option buttons that follow each other in the table.
bool SameGroup(const FormSpec& design, ControlId a, ControlId b) {
  const ControlSpec& first = design.controls[a];
  const ControlSpec& second = design.controls[b];
  if (!IsOption(first) || !IsOption(second)) return false;
  if (first.index >= 0 || second.index >= 0) return first.name == second.name;
  for (ControlId i = std::min(a, b); i <= std::max(a, b); ++i) {
    if (!IsOption(design.controls[i]) || design.controls[i].index >= 0) return false;
  }
  return true;
}

}  // namespace

AccessibleRole RoleOf(const ControlSpec& design) {
  if (design.role != AccessibleRole::FromKind) return design.role;
  switch (design.kind) {
    case ControlKind::Button:
    case ControlKind::GraphicalButton:
      return AccessibleRole::PushButton;
    case ControlKind::OptionButton:
      return AccessibleRole::RadioButton;
    case ControlKind::ComboBox:
      return AccessibleRole::ComboBox;
    case ControlKind::DriveList:
    case ControlKind::DirList:
    case ControlKind::FileList:
      return AccessibleRole::List;
    case ControlKind::TopicPane:
      return AccessibleRole::Document;
    case ControlKind::PictureBox:
      return AccessibleRole::Pane;
    case ControlKind::Image:
    case ControlKind::Line:
    case ControlKind::Timer:
      return AccessibleRole::Graphic;
    case ControlKind::Label:
      break;
  }
  return AccessibleRole::StaticText;
}

bool TakesFocus(const ControlSpec& design) {
  switch (design.kind) {
    case ControlKind::Button:
    case ControlKind::GraphicalButton:
    case ControlKind::OptionButton:
    case ControlKind::ComboBox:
    case ControlKind::DriveList:
    case ControlKind::DirList:
    case ControlKind::FileList:
      return true;
    default:
      return design.tabStop;
  }
}

AccessibleFacts Describe(const ControlSpec& design, const ControlNow& now) {
  AccessibleFacts facts;
  facts.role = RoleOf(design);
  for (const std::string* name : {&now.labelCaption, &now.caption, &now.toolTip, &now.name}) {
    facts.name = WithoutAccessMarks(*name);
    if (!facts.name.empty()) break;
  }
  const bool focusable = TakesFocus(design);
  if (!now.visible) facts.state |= kStateInvisible;
  if (!now.enabled) facts.state |= kStateUnavailable;
  if (focusable && now.visible && now.enabled) facts.state |= kStateFocusable;
  if (now.focused) facts.state |= kStateFocused;
  switch (facts.role) {
    case AccessibleRole::PushButton:
      facts.defaultAction = "Press";
      break;
    case AccessibleRole::CheckBox:
      if (now.checked) facts.state |= kStateChecked;
      facts.defaultAction = now.checked ? "Uncheck" : "Check";
      break;
    case AccessibleRole::RadioButton:
      if (now.checked) facts.state |= kStateChecked;
      facts.defaultAction = "Check";
      break;
    case AccessibleRole::ListItem:
      facts.state |= kStateSelectable;
      if (now.selected) facts.state |= kStateSelected;
      facts.defaultAction = "Select";
      break;
    case AccessibleRole::Document:
      facts.state |= kStateReadOnly;
      break;
    default:
      break;
  }
  // A control nobody can use has nothing to do.
  if (!now.enabled) facts.defaultAction.clear();
  return facts;
}

std::string RoleName(AccessibleRole role) {
  switch (role) {
    case AccessibleRole::PushButton:
      return "push button";
    case AccessibleRole::CheckBox:
      return "check box";
    case AccessibleRole::RadioButton:
      return "radio button";
    case AccessibleRole::ListItem:
      return "list item";
    case AccessibleRole::List:
      return "list";
    case AccessibleRole::ComboBox:
      return "combo box";
    case AccessibleRole::ProgressBar:
      return "progress bar";
    case AccessibleRole::Animation:
      return "animation";
    case AccessibleRole::Graphic:
      return "graphic";
    case AccessibleRole::Document:
      return "document";
    case AccessibleRole::Pane:
      return "pane";
    case AccessibleRole::StaticText:
    case AccessibleRole::FromKind:
      break;
  }
  return "text";
}

std::string StateNames(unsigned state) {
  static const char* const kNames[] = {"unavailable", "checked",    "selected",  "focused",
                                       "focusable",   "selectable", "invisible", "read-only"};
  std::string names;
  for (unsigned bit = 0; bit < std::size(kNames); ++bit) {
    if (!(state & (1u << bit))) continue;
    if (!names.empty()) names += ' ';
    names += kNames[bit];
  }
  return names.empty() ? "normal" : names;
}

KeyAction ActionOfKey(const ControlSpec& design, Key key) {
  switch (RoleOf(design)) {
    case AccessibleRole::PushButton:
      return key == Key::Space || key == Key::Enter ? KeyAction::Click : KeyAction::None;
    case AccessibleRole::CheckBox:
      return key == Key::Space ? KeyAction::Click : KeyAction::None;
    case AccessibleRole::RadioButton:
      if (key == Key::Space) return KeyAction::Click;
      if (key == Key::Up || key == Key::Left) return KeyAction::ChoosePrevious;
      if (key == Key::Down || key == Key::Right) return KeyAction::ChooseNext;
      return KeyAction::None;
    case AccessibleRole::ListItem:
      if (key == Key::Space || key == Key::Enter) return KeyAction::Click;
      if (key == Key::Up || key == Key::Left) return KeyAction::FocusPrevious;
      if (key == Key::Down || key == Key::Right) return KeyAction::FocusNext;
      return KeyAction::None;
    case AccessibleRole::Document:
      switch (key) {
        case Key::Up:
          return KeyAction::LineUp;
        case Key::Down:
          return KeyAction::LineDown;
        case Key::PageUp:
          return KeyAction::PageUp;
        case Key::PageDown:
          return KeyAction::PageDown;
        case Key::Home:
          return KeyAction::Top;
        case Key::End:
          return KeyAction::Bottom;
        default:
          return KeyAction::None;
      }
    default:
      return KeyAction::None;
  }
}

std::vector<ControlId> TabOrder(const FormSpec& design) {
  std::vector<ControlId> order;
  const auto count = static_cast<ControlId>(design.controls.size());
  if (design.tabOrder.empty()) {
    for (ControlId id = 0; id < count; ++id)
      if (TakesFocus(design.controls[id])) order.push_back(id);
    return order;
  }
  for (const std::string& name : design.tabOrder) {
    std::vector<ControlId> named;
    for (ControlId id = 0; id < count; ++id)
      if (design.controls[id].name == name) named.push_back(id);
    std::stable_sort(named.begin(), named.end(), [&](ControlId a, ControlId b) {
      return design.controls[a].index < design.controls[b].index;
    });
    order.insert(order.end(), named.begin(), named.end());
  }
  return order;
}

ControlId NextTabStop(const FormSpec& design, ControlId from, bool backward,
                      const FocusScene& scene) {
  const std::vector<ControlId> order = TabOrder(design);
  const auto size = static_cast<std::ptrdiff_t>(order.size());
  if (size == 0) return kFormItself;
  const auto at = std::find(order.begin(), order.end(), from);
  std::ptrdiff_t start = at == order.end() ? (backward ? 0 : -1) : at - order.begin();
  const std::ptrdiff_t step = backward ? -1 : 1;
  for (std::ptrdiff_t n = 1; n <= size; ++n) {
    const ControlId id = order[static_cast<std::size_t>(((start + step * n) % size + size) % size)];
    if (!scene.usable(id)) continue;
    if (from != kFormItself && SameGroup(design, from, id)) continue;
    if (!IsOption(design.controls[id])) return id;
    // The chosen option of the group, wherever in it Tab enters.
    for (ControlId member : order)
      if (SameGroup(design, id, member) && scene.usable(member) && scene.checked(member))
        return member;
    return id;
  }
  return kFormItself;
}

ControlId NeighbourInArray(const FormSpec& design, ControlId from, bool backward, bool wrap,
                           const FocusScene& scene) {
  const ControlSpec& self = design.controls[from];
  std::vector<ControlId> members;
  for (ControlId id = 0; id < static_cast<ControlId>(design.controls.size()); ++id) {
    const ControlSpec& c = design.controls[id];
    if (id == from || (self.index >= 0 && c.name == self.name) || SameGroup(design, from, id))
      members.push_back(id);
  }
  std::stable_sort(members.begin(), members.end(), [&](ControlId a, ControlId b) {
    return design.controls[a].index < design.controls[b].index;
  });
  const auto size = static_cast<std::ptrdiff_t>(members.size());
  const std::ptrdiff_t at = std::find(members.begin(), members.end(), from) - members.begin();
  const std::ptrdiff_t step = backward ? -1 : 1;
  for (std::ptrdiff_t n = 1; n < size; ++n) {
    std::ptrdiff_t i = at + step * n;
    if (i < 0 || i >= size) {
      if (!wrap) return kFormItself;
      i = (i % size + size) % size;
    }
    const ControlId id = members[static_cast<std::size_t>(i)];
    if (scene.usable(id)) return id;
  }
  return kFormItself;
}

ControlId LabelledControl(const FormSpec& design, ControlId id) {
  const ControlSpec& label = design.controls[id];
  for (ControlId other = 0; other < static_cast<ControlId>(design.controls.size()); ++other) {
    const ControlSpec& c = design.controls[other];
    if (c.labelledBy == label.name && c.index == label.index) return other;
  }
  return kFormItself;
}

ControlId LabelOf(const FormSpec& design, ControlId id) {
  const ControlSpec& self = design.controls[id];
  if (self.labelledBy.empty()) return kFormItself;
  for (ControlId other = 0; other < static_cast<ControlId>(design.controls.size()); ++other) {
    const ControlSpec& c = design.controls[other];
    if (c.name == self.labelledBy && c.index == self.index) return other;
  }
  return kFormItself;
}

}  // namespace vantor
