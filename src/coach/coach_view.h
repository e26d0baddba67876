// What the coach's logic decides a page shows, and the window that shows
// it. A move computes one look of the page from the task, the scanning
// application's answers and the option rows measured at load; the coach
// window applies it and is the only code that writes to the coach's
// controls.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/form_host.h"

namespace vantor {

inline constexpr const char* kFullPaneBackground = "!mvback37.bmp";
inline constexpr const char* kShortPaneBackground = "!mvbackWH.bmp";

// The controls of the current topic. The don't-show box always arrives
// unticked; a Do It that is shown is enabled.
struct TopicPage {
  std::string topicId;
  bool dontShowOffered = false;
  bool doItShown = false;
  std::string doItToolTip;
  const char* nextCaptionKey = "";  // keys of [frmCoach Text]
  const char* nextToolTipKey = "";
  bool backEnabled = false;
};

// How a step label looks after a move or a hover; Keep leaves its colour.
enum class StepMark { Keep, Marked, Plain };

// What a fixed topic's action asks of the window; nullopt leaves it as is.
struct TopicActionLook {
  std::optional<bool> doItEnabled;
  std::optional<bool> nextEnabled;
  std::optional<bool> selectionWait;   // the selection poll runs
  std::optional<std::int32_t> option;  // the option to select
};

// One option row under the pane. A hidden row keeps its picture's place.
struct OptionRow {
  bool shown = false;
  std::string caption;
  Bounds picture;
  Bounds label;
};
struct PaneArrangement {
  int paneHeight = 0;
  const char* background = kFullPaneBackground;
  std::vector<OptionRow> rows;
};

// What measuring the option rows needs of the window, once, at load: text
// in the option captions' font, and where each row's picture and caption
// stand in the design.
class OptionRowSurface {
 public:
  virtual ~OptionRowSurface() = default;
  virtual TextSize MeasureOptionText(const std::string& text) = 0;
  virtual Bounds OptionPictureBounds(int row) = 0;
  virtual Bounds OptionLabelBounds(int row) = 0;
};

// A whole page: what a move of the coach shows, in one piece.
struct CoachLook {
  TopicPage page;
  std::string nextCaption;
  std::string nextToolTip;
  TopicActionLook action;
  // The option marked among the first `optionRows` rows; nullopt leaves
  // the marks as they are.
  std::optional<int> markedOption;
  int optionRows = 0;
  // The step the page belongs to, for screen readers; any other number
  // marks none.
  int currentStep = 0;
  PaneArrangement pane;
  // One mark per loaded step, by step number.
  std::vector<StepMark> stepMarks;
};

class CoachView {
 public:
  virtual ~CoachView() = default;
  virtual void ShowCoachLook(const CoachLook& look) = 0;
  virtual void ShowDontShowTicked(bool ticked) = 0;
  // Marks row `marked` as chosen among the first `rows` rows; any other
  // number leaves them all unmarked.
  virtual void ShowOptionMarks(int marked, int rows) = 0;
  virtual void ShowStepMarks(const std::vector<StepMark>& marks) = 0;
  // Waits, modally, until the scanning application reports the preview
  // done.
  virtual void WaitForPreview() = 0;
};

}  // namespace vantor
