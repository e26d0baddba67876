#include "coach/scan_actions.h"

#include <iterator>

namespace vantor {
namespace {

// Option of topic 8 that topic 6's answer stands for, by answer; -2: topic
// 7's answer decides (kOutputByColours), -1: none.
constexpr int kOutputByKindOfPage[] = {2, 3, 1, -2, -2, 1, 7};
// Option of topic 8 that topic 7's answer stands for, by answer.
constexpr int kOutputByColours[] = {0, 1, 5, 4};

// The entry `index` of `table`, or `none` past its ends.
template <std::size_t N>
int Entry(const int (&table)[N], std::int32_t index, int none) {
  return index >= 0 && index < static_cast<std::int32_t>(N) ? table[index] : none;
}

int OutputOptionFor(std::int32_t kindOfPage, std::int32_t colours) {
  const int option = Entry(kOutputByKindOfPage, kindOfPage, -1);
  return option == -2 ? Entry(kOutputByColours, colours, -1) : option;
}

// The scanning application's output type (and palette) for each option of
// topic 8. Options 4 to 6 are palette scans of output type 15.
struct OutputChoice {
  std::int16_t palette;  // 0: no palette written first
  std::int32_t outputType;
};
constexpr OutputChoice kOutputChoices[] = {
    {0, 10}, {0, 5}, {0, 0}, {0, 2}, {2, 15}, {1, 15}, {3, 15}, {0, 3},
};

void WriteOutputType(HelpHostObject& help, std::int16_t option) {
  if (option < 0 || option >= static_cast<int>(std::size(kOutputChoices))) return;
  const OutputChoice& choice = kOutputChoices[option];
  if (choice.palette != 0) help.SetPaletteType(AutomationValue::I2(choice.palette));
  help.SetOutputType(choice.outputType);
  // The scanning application has always been sent a palette of 0 after a
  // palette scan was chosen; it may rely on it.
  if (choice.palette != 0) help.SetPaletteType(AutomationValue::I4(0));
}

// The option of topic 6 that an output type of the scanning application
// stands for, by output type; any type past the table stands for option 4.
constexpr int kKindOfPageByOutputType[] = {0, 4, 1, 6, 4, 5};
std::int32_t OptionForOutputType(std::int32_t outputType) {
  return Entry(kKindOfPageByOutputType, outputType, 4);
}

// Next, before the move, on the topic being left.
void RunNextAction(const CoachRecord& coach, CoachView& view, std::int32_t left) {
  ScanActionState& scan = coach.scan;
  switch (left) {
    case kPreviewTopic:
      // Without an answer there is nothing to wait for: go straight on.
      if (coach.help.PreviewDone() == false) {
        scan.ScanFrame = 0;
        coach.help.PreviewScan();
        view.WaitForPreview();
      }
      break;
    case kKindOfPageTopic:
      scan.ChoiceAtTopic6 = coach.task.SelectedOption;
      break;
    case kColoursTopic:
      scan.ChoiceAtTopic7 = coach.task.SelectedOption;
      break;
    default:
      break;
  }
}

}  // namespace

void ResetScanChoices(ScanActionState& scan) {
  scan.ChoiceAtTopic6 = -1;
  scan.ChoiceAtTopic7 = -1;
  scan.LastOutputType = -1;
  scan.LastPaletteType = -1;
}

TopicActionLook ActionsOfMove(const CoachRecord& coach, CoachView& view, bool next) {
  if (next) RunNextAction(coach, view, coach.task.PreviousTopic);
  const TopicActionLook left = LeavePreviousTopic(coach);
  TopicActionLook look = PrepareTopicAction(coach);
  // Only the poll's running is asked by both; the new topic's word is last.
  if (!look.selectionWait) look.selectionWait = left.selectionWait;
  return look;
}

TopicActionLook LeavePreviousTopic(const CoachRecord& coach) {
  ScanActionState& scan = coach.scan;
  TopicActionLook look;
  const std::int16_t chosen = coach.task.SelectedOption;
  switch (coach.task.PreviousTopic) {
    case kSelectionTopic:
      look.selectionWait = false;
      break;
    case kKindOfPageTopic:
      // Option 6 of topic 6 and option 4 of topic 7 are one answer.
      scan.ChoiceAtTopic6 = chosen;
      if (chosen == 6)
        scan.ChoiceAtTopic7 = 4;
      else if (scan.ChoiceAtTopic7 == 4)
        scan.ChoiceAtTopic7 = 0;
      break;
    case kColoursTopic:
      scan.ChoiceAtTopic7 = chosen;
      if (chosen == 4) scan.ChoiceAtTopic6 = 6;
      break;
    default:
      break;
  }
  return look;
}

TopicActionLook PrepareTopicAction(const CoachRecord& coach) {
  ScanActionState& scan = coach.scan;
  HelpHostObject& help = coach.help;
  TopicActionLook look;
  switch (coach.task.CurrentTopic) {
    case kSelectionTopic: {
      // Without a usable selection Do It waits for the poll to find one.
      const bool valid = help.SelectionValid();
      look.doItEnabled = valid;
      look.selectionWait = !valid;
      break;
    }
    case kKindOfPageTopic: {
      // A value that cannot be read counts as unchanged.
      const std::int32_t output = help.OutputType().value_or(scan.LastOutputType);
      const std::int32_t palette = help.PaletteType().value_or(scan.LastPaletteType);
      if (output != scan.LastOutputType || palette != scan.LastPaletteType) {
        scan.LastOutputType = help.OutputType().value_or(output);
        scan.LastPaletteType = help.PaletteType().value_or(palette);
        look.option = OptionForOutputType(scan.LastOutputType);
      } else {
        look.option = scan.ChoiceAtTopic6;
      }
      break;
    }
    case kColoursTopic:
      if (scan.ChoiceAtTopic7 == -1) scan.ChoiceAtTopic7 = 0;
      look.option = scan.ChoiceAtTopic7;
      break;
    case kOutputTopic: {
      const int option = OutputOptionFor(scan.ChoiceAtTopic6, scan.ChoiceAtTopic7);
      if (option >= 0) look.option = option;
      break;
    }
    default:
      break;
  }
  return look;
}

std::optional<TopicActionLook> PollSelection(HelpHostObject& help) {
  if (!help.SelectionValid()) return std::nullopt;
  TopicActionLook look;
  look.doItEnabled = true;
  look.nextEnabled = true;
  look.selectionWait = false;
  return look;
}

void RunDoItAction(const CoachRecord& coach, CoachView& view) {
  switch (coach.task.CurrentTopic) {
    case kPreviewTopic:
      coach.help.PreviewScan();
      view.WaitForPreview();
      break;
    case kSelectionTopic:
      coach.help.ZoomScan();
      break;
    case kOutputTopic:
      WriteOutputType(coach.help, coach.task.SelectedOption);
      break;
    default:
      break;
  }
}

}  // namespace vantor
