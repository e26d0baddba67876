#include "platform/sim/sim_platform.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <stdexcept>

#include "settings/ini_text.h"

namespace vantor::sim {
namespace {

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

SimPlatform::SimPlatform() : SimPlatform(std::make_shared<SimSystem>()) {}

SimPlatform::SimPlatform(std::shared_ptr<SimSystem> system)
    : instances(
          *system, [this](const std::string& what) { Step(what); },
          [this](long long ms) {
            waitedMs += ms;
            Advance(ms);
          }),
      system_(std::move(system)),
      files_(system_->files),
      indexes_(system_->indexes),
      others_(system_->windows) {}

SimPlatform::~SimPlatform() = default;

void SimPlatform::Step(const std::string& what) {
  steps.push_back(what);
  if (onStep) onStep();
}

void SimPlatform::SetPointer(Pointer pointer) {
  pointers.push_back(pointer);
  static const char* const kNames[] = {"default", "hourglass", "arrow+hourglass"};
  Step(std::string("pointer ") + kNames[static_cast<int>(pointer)]);
}

void SimPlatform::SetAppTitle(const std::string& title) {
  appTitle = title;
  Step("title " + title);
}

void SimPlatform::AppActivate(const std::string& title) {
  activated.push_back(title);
  Step("activate " + title);
}

void SimPlatform::WriteFile(const std::string& path, const std::string& text) {
  files_[Lower(path)] = text;
  indexes_.erase(Lower(path));
}

const ini::Index& SimPlatform::SettingsOf(const std::string& lowerPath, const std::string& text) {
  auto found = indexes_.find(lowerPath);
  if (found == indexes_.end()) found = indexes_.emplace(lowerPath, ini::Index(text)).first;
  return found->second;
}

bool SimPlatform::FileExists(const std::string& path) const {
  return files_.count(Lower(path)) != 0;
}

std::string SimPlatform::ReadFile(const std::string& path) const {
  auto it = files_.find(Lower(path));
  return it == files_.end() ? std::string() : it->second;
}

void SimPlatform::SetScreen(int widthPx, int heightPx, int twipsPerPixel) {
  screenWidthPx_ = widthPx;
  screenHeightPx_ = heightPx;
  twipsPerPixel_ = twipsPerPixel;
  workArea = {0, 0, widthPx, heightPx};
}

WindowHandle SimPlatform::AddWindow(const std::string& title, Rect rect, bool visible) {
  const WindowHandle handle = system_->nextHandle++;
  OtherWindow window;
  window.title = title;
  window.rect = rect;
  window.visible = visible;
  others_[handle] = window;
  return handle;
}

OtherWindow& SimPlatform::Window(WindowHandle handle) { return others_.at(handle); }

std::vector<WindowHandle> SimPlatform::OpenWindowsTitled(const std::string& title) {
  std::vector<WindowHandle> open;
  for (const auto& [handle, window] : others_)
    if (!window.closed && window.title == title) open.push_back(handle);
  return open;
}

void SimPlatform::OnModal(const std::string& formName, ModalScript script) {
  modalScripts_[formName] = std::move(script);
}

SimFormHost* SimPlatform::FindForm(const std::string& formName) {
  for (auto it = forms_.rbegin(); it != forms_.rend(); ++it)
    if ((*it)->name() == formName) return *it;
  return nullptr;
}

void SimPlatform::Advance(long long ms) {
  const long long end = nowMs_ + ms;
  for (;;) {
    long long due = -1;
    for (SimFormHost* form : forms_) {
      const long long next = form->NextTimerDue();
      if (next >= 0 && (due < 0 || next < due)) due = next;
    }
    if (due < 0 || due > end) break;
    nowMs_ = due;
    // A tick may open or close windows: look the list up afresh each time.
    for (std::size_t i = 0; i < forms_.size(); ++i)
      if (forms_[i]->FireDueTimer(nowMs_)) break;
  }
  nowMs_ = end;
}

std::string SimPlatform::ProfileString(const std::string& section, const std::string& key,
                                       const std::string& path) {
  Step("read " + section + "/" + key);
  auto it = files_.find(Lower(path));
  if (it == files_.end()) return {};
  return SettingsOf(it->first, it->second).ReadString(section, key).value_or(std::string());
}

std::int32_t SimPlatform::ProfileInt(const std::string& section, const std::string& key,
                                     std::int32_t fallback, const std::string& path) {
  Step("read " + section + "/" + key);
  auto it = files_.find(Lower(path));
  if (it == files_.end()) return fallback;
  return SettingsOf(it->first, it->second).ReadInt(section, key, fallback);
}

bool SimPlatform::WriteProfileString(const std::string& section, const std::string& key,
                                     const std::string& value, const std::string& path) {
  Step("write " + section + "/" + key + "=" + value);
  if (writesFail) return false;
  std::string& text = files_[Lower(path)];
  text = ini::WriteString(text, section, key, value);
  indexes_.erase(Lower(path));
  writes.push_back(section + "/" + key + "=" + value);
  return true;
}

void SimPlatform::EndNow() {
  instances.Ended();
  throw ProgramEnded{};
}

Screen SimPlatform::CurrentScreen() {
  return {
      screenWidthPx_, screenHeightPx_, {twipsPerPixel_, twipsPerPixel_}, captionHeight, workArea};
}

WindowHandle SimPlatform::FindTopLevelWindow(const std::string& exactTitle) {
  Step("find " + exactTitle);
  for (const auto& [handle, window] : others_)
    if (!window.closed && Lower(window.title) == Lower(exactTitle)) return handle;
  return 0;
}

OtherWindow* SimPlatform::Other(WindowHandle window) {
  auto it = others_.find(window);
  return it == others_.end() ? nullptr : &it->second;
}

bool SimPlatform::IsWindowVisible(WindowHandle window) {
  const OtherWindow* other = Other(window);
  return other && other->visible;
}

void SimPlatform::RestoreAndShow(WindowHandle window) {
  if (OtherWindow* other = Other(window)) {
    other->requests.push_back("restored");
    other->visible = true;
  }
}

std::optional<Rect> SimPlatform::NormalPlacement(WindowHandle window) {
  const OtherWindow* other = Other(window);
  if (!other || other->placementFails) return std::nullopt;
  Rect normal = other->rect;
  if (!other->toolWindow) {
    const PixelOffset offset = WorkAreaOffset(window);
    normal.left -= offset.x;
    normal.right -= offset.x;
    normal.top -= offset.y;
    normal.bottom -= offset.y;
  }
  return normal;
}

namespace {

long long SharedArea(const Rect& a, const Rect& b) {
  const long long w = std::min(a.right, b.right) - std::max(a.left, b.left);
  const long long h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
  return w > 0 && h > 0 ? w * h : 0;
}

}  // namespace

SimPlatform::Monitor SimPlatform::MonitorHolding(const Rect& rect) const {
  Monitor best{{0, 0, screenWidthPx_, screenHeightPx_}, workArea};
  long long bestArea = SharedArea(rect, best.area);
  for (const Monitor& monitor : monitors_) {
    const long long area = SharedArea(rect, monitor.area);
    if (area > bestArea) {
      best = monitor;
      bestArea = area;
    }
  }
  return best;
}

Rect SimPlatform::InPixels(const TwipsRect& twips) const {
  const int tpp = twipsPerPixel_;
  return {twips.left / tpp, twips.top / tpp, (twips.left + twips.width) / tpp,
          (twips.top + twips.height) / tpp};
}

PixelOffset SimPlatform::WorkAreaOffset(WindowHandle window) {
  Rect rect;
  if (const OtherWindow* other = Other(window)) {
    rect = other->rect;
  } else {
    for (const SimFormHost* form : forms_) {
      if (form->Handle() != window) continue;
      rect = InPixels(form->ScreenNormalRect());
    }
  }
  const Monitor monitor = MonitorHolding(rect);
  return {monitor.workArea.left - monitor.area.left, monitor.workArea.top - monitor.area.top};
}

bool SimPlatform::IsToolWindow(WindowHandle window) {
  const OtherWindow* other = Other(window);
  return other && other->toolWindow;
}

bool SimPlatform::AskToClose(WindowHandle window) {
  OtherWindow* other = Other(window);
  if (!other) return false;
  other->requests.push_back("closed");
  other->closeAsked = true;
  Step("close " + other->title);
  return true;
}

std::unique_ptr<FormHost> SimPlatform::CreateForm(const FormSpec& design, FormEvents& events) {
  auto host = std::make_unique<SimFormHost>(*this, design, events, system_->nextHandle++);
  forms_.push_back(host.get());
  formsCreated.push_back(design.name);
  return host;
}

std::unique_ptr<AutomationObject> SimPlatform::CreateObject(const std::string& progId) {
  if (!helpHost.registered || progId != "Kestrin.KestrinHelpObject") return nullptr;
  return std::make_unique<SimHelpObject>(*this);
}

std::optional<std::int16_t> SimPlatform::OpenTopic(WindowHandle window, std::int32_t topic) {
  if (!helpHost.libraryPresent) return std::nullopt;
  const bool ours = std::any_of(forms_.begin(), forms_.end(),
                                [&](const SimFormHost* f) { return f->Handle() == window; });
  char hwnd[16];
  std::snprintf(hwnd, sizeof hwnd, "0x%08llX", static_cast<unsigned long long>(window));
  helpHost.calls.push_back(std::string("OpenTopic hwnd=") + hwnd +
                           " window=" + (ours || others_.count(window) ? "yes" : "no") +
                           " topic=" + std::to_string(topic));
  return 0;
}

void SimPlatform::ShowMessage(const std::string& text, const std::string& caption) {
  messageBoxes.push_back(caption + "|" + text);
}

void SimPlatform::RunModal(SimFormHost& form) {
  Step("modal " + form.name());
  auto it = modalScripts_.find(form.name());
  if (it != modalScripts_.end()) it->second(form);
}

void SimPlatform::Forget(SimFormHost& form) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), &form), forms_.end());
}

}  // namespace vantor::sim
