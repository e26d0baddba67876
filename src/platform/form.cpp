#include "platform/form.h"

#include <stdexcept>

namespace vantor {

FormHost& Control::Host() const { return form_->Host(); }
void Control::SetCaption(const std::string& text) { Host().SetText(id_, text); }
std::string Control::Caption() const { return Host().Text(id_); }
void Control::SetVisible(bool visible) { Host().SetVisible(id_, visible); }
bool Control::Visible() const { return Host().Visible(id_); }
void Control::SetEnabled(bool enabled) { Host().SetEnabled(id_, enabled); }
bool Control::Enabled() const { return Host().Enabled(id_); }
void Control::SetBounds(const Bounds& bounds) { Host().SetBounds(id_, bounds); }
Bounds Control::GetBounds() const { return Host().GetBounds(id_); }
void Control::SetForeColor(Color color) { Host().SetForeColor(id_, color); }
void Control::SetBackColor(Color color) { Host().SetBackColor(id_, color); }
void Control::SetFont(const Font& font) { Host().SetFont(id_, font); }
void Control::SetToolTip(const std::string& text) { Host().SetToolTip(id_, text); }
void Control::SetAccessibleName(const std::string& name) { Host().SetAccessibleName(id_, name); }
void Control::SetFocus() { Host().SetFocus(id_); }
void Control::PaintNow() { Host().PaintNow(id_); }
WindowHandle Control::Handle() const { return Host().ControlHandle(id_); }

void OptionButton::SetValue(bool selected) { Host().SetValue(Id(), selected); }
bool OptionButton::Value() const { return Host().Value(Id()); }
void GraphicalButton::SetPicture(const std::string& picture) { Host().SetPicture(Id(), picture); }
void GraphicalButton::SetDisabledPicture(const std::string& picture) {
  Host().SetDisabledPicture(Id(), picture);
}
void Picture::SetPicture(const std::string& picture) { Host().SetPicture(Id(), picture); }
void Picture::SetValue(bool selected) { Host().SetValue(Id(), selected); }
bool Picture::Value() const { return Host().Value(Id()); }
void Label::SetSelected(bool selected) { Host().SetSelected(Id(), selected); }

TopicPaneState TopicPane::State() const { return Host().TopicPane(Id()); }
void TopicPane::SetTitle(const std::string& path) {
  TopicPaneState state = State();
  state.title = path;
  Host().SetTopicPane(Id(), state);
}
void TopicPane::SetTopic(const std::string& topic) {
  TopicPaneState state = State();
  state.topic = topic;
  Host().SetTopicPane(Id(), state);
}
void TopicPane::SetBackgroundBitmap(const std::string& name) {
  TopicPaneState state = State();
  state.backgroundBitmap = name;
  Host().SetTopicPane(Id(), state);
}
void ListControl::SetItems(const std::vector<std::string>& items) { Host().SetItems(Id(), items); }
std::vector<std::string> ListControl::Items() const { return Host().Items(Id()); }
void ListControl::SetListIndex(int index) { Host().SetListIndex(Id(), index); }
int ListControl::ListIndex() const { return Host().ListIndex(Id()); }
void Timer::Start(int intervalMs) { Host().SetTimer(Id(), true, intervalMs); }
void Timer::Stop() { Host().SetTimer(Id(), false, 0); }

ControlSpec PictureHolder(const ControlDecl<Picture>& control, const std::string& picture,
                          Bounds bounds) {
  ControlSpec holder = DesignRow(control, ControlKind::Image, bounds);
  holder.picture = picture;
  holder.visible = false;
  return holder;
}

Form::Form(Platform& platform, FormSpec design) : platform_(platform), spec_(std::move(design)) {}

Form::~Form() {
  if (loaded_) host_->Destroy();
}

void Form::Load() {
  if (loaded_) return;
  host_ = platform_.CreateForm(spec_, *this);
  loaded_ = true;
  Form_Load();
}

void Form::Unload() {
  if (!loaded_) return;
  Form_Unload();
  loaded_ = false;
  host_->Destroy();
}

FormHost& Form::Host() const {
  if (!loaded_) throw std::logic_error("form " + spec_.name + " is not loaded");
  return *host_;
}

ControlId Form::Find(const std::string& name, int index) const {
  for (std::size_t i = 0; i < spec_.controls.size(); ++i) {
    const ControlSpec& c = spec_.controls[i];
    if (c.name == name && c.index == index) return static_cast<ControlId>(i);
  }
  throw std::logic_error("form " + spec_.name + " has no control " + name +
                         (index < 0 ? "" : "(" + std::to_string(index) + ")"));
}

void Form::Wire(const std::string& name, int first, int last, EventKind kind,
                MouseHandler handler) {
  for (int index : {first, last}) {
    const ControlSpec& control = spec_.controls[Find(name, index)];
    if ((kind == EventKind::Timer) != (control.kind == ControlKind::Timer))
      throw std::logic_error("form " + spec_.name + ": " + name + " cannot have that event");
  }
  handlers_.emplace(std::make_pair(name, kind), std::move(handler));
}

void Form::OnEvent(const Event& event) {
  const std::string& name =
      event.control == kFormItself ? std::string() : spec_.controls.at(event.control).name;
  const int index = event.control == kFormItself ? -1 : spec_.controls.at(event.control).index;
  auto [first, last] = handlers_.equal_range({name, event.kind});
  for (auto it = first; it != last; ++it) it->second(index, event.x, event.y);
}

}  // namespace vantor
