// What a topic pane shows: one topic of the help title over the pane's
// background picture, with a vertical scroll bar when the topic is longer
// than the pane. One view per topic pane, made when the pane is first told
// what to show.
#pragma once

#include <map>
#include <string>

#include "platform/form_host.h"
#include "platform/win32/gdi_cache.h"
#include "platform/win32/scoped.h"
#include "platform/win32/win32.h"
#include "topics/help_title.h"
#include "topics/topic_layout.h"

namespace vantor::win32 {

class TopicView {
 public:
  TopicView(HWND window, GdiCache& gdi);
  ~TopicView();
  TopicView(const TopicView&) = delete;
  TopicView& operator=(const TopicView&) = delete;

  // Reads the title file when its path changes; a new title or topic is
  // laid out afresh and shown from its top.
  void Show(const TopicPaneState& state);
  const TopicPaneState& Shown() const { return state_; }
  // WM_SIZE, WM_VSCROLL and WM_MOUSEWHEEL of the pane's window; false for
  // any other message.
  bool OnMessage(UINT message, WPARAM wParam);
  // The whole client area, drawn off screen first so that scrolling does
  // not flicker; with the focus rectangle inside its edge while it has the
  // keyboard.
  void Paint(HDC dc, bool focused);
  // A scroll bar request (SB_LINEUP, SB_PAGEDOWN, SB_TOP, ...), as the
  // scroll bar or the keyboard makes it.
  void Scroll(int request);
  // The words of the topic shown, for screen readers; empty while the
  // title has no such topic.
  std::wstring ReadingText() const;

 private:
  void LayOut();
  void ScrollTo(int position);
  void OnWheel(int delta);
  int MaxScroll() const;
  int PageStep() const;
  HBITMAP Background();
  HFONT FontOf(topics::FontKind font) const;

  HWND window_;
  GdiCache& gdi_;
  TopicPaneState state_;
  bool titleRead_ = false;
  topics::HelpTitle title_;
  // By file path; null for a file that could not be loaded.
  std::map<std::string, GdiObject<HBITMAP>> backgrounds_;
  topics::TopicLayout layout_;
  SIZE laidOutFor_{-1, -1};  // the window size the layout was made for
  int lineHeight_ = 0;       // of the body font: one step of the scroll arrows
  int scroll_ = 0;           // pixels of the topic above the pane's top
  int wheelRest_ = 0;        // wheel turns not yet worth a line
};

}  // namespace vantor::win32
