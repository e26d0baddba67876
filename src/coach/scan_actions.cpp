#include "coach/scan_actions.h"

#include <iterator>

#include "dialogs/frm_scanning.h"
#include "placement/placement.h"

namespace vantor {
namespace {

// Option of topic 8 that topic 6's answer (and, for 3 and 4, topic 7's)
// stands for; -1 when none does.
int OutputOptionFor(std::int32_t kindOfPage, std::int32_t colours) {
  switch (kindOfPage) {
    case 0:
      return 2;
    case 1:
      return 3;
    case 2:
    case 5:
      return 1;
    case 6:
      return 7;
    case 3:
    case 4:
      switch (colours) {
        case 0:
          return 0;
        case 1:
          return 1;
        case 2:
          return 5;
        case 3:
          return 4;
        default:
          return -1;
      }
    default:
      return -1;
  }
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

// Waits, modally, until the scanning application reports the preview done.
void ShowScanProgress(Program& program) {
  frmScanning scanning(program);
  scanning.Load();
  CenterForm(program, scanning, kApplyZOrder, kShowModal);
}

// The option of topic 6 that an output type of the scanning application
// stands for.
std::int32_t OptionForOutputType(std::int32_t outputType) {
  switch (outputType) {
    case 0:
      return 0;
    case 2:
      return 1;
    case 3:
      return 6;
    case 5:
      return 5;
    default:
      return 4;
  }
}

}  // namespace

TopicActionLook LeavePreviousTopic(Program& program) {
  ScanActionState& scan = program.scan;
  TopicActionLook look;
  const std::int16_t chosen = program.coach.SelectedOption;
  switch (program.coach.PreviousTopic) {
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

TopicActionLook PrepareTopicAction(Program& program) {
  ScanActionState& scan = program.scan;
  HelpHostObject& help = program.HelpObject;
  TopicActionLook look;
  switch (program.coach.CurrentTopic) {
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

void RunNextAction(Program& program) {
  ScanActionState& scan = program.scan;
  switch (program.coach.CurrentTopic) {
    case kPreviewTopic:
      // Without an answer there is nothing to wait for: go straight on.
      if (program.HelpObject.PreviewDone() == false) {
        scan.ScanFrame = 0;
        program.HelpObject.PreviewScan();
        ShowScanProgress(program);
      }
      break;
    case kKindOfPageTopic:
      scan.ChoiceAtTopic6 = program.coach.SelectedOption;
      break;
    case kColoursTopic:
      scan.ChoiceAtTopic7 = program.coach.SelectedOption;
      break;
    default:
      break;
  }
}

void RunDoItAction(Program& program) {
  switch (program.coach.CurrentTopic) {
    case kPreviewTopic:
      program.HelpObject.PreviewScan();
      ShowScanProgress(program);
      break;
    case kSelectionTopic:
      program.HelpObject.ZoomScan();
      break;
    case kOutputTopic:
      WriteOutputType(program.HelpObject, program.coach.SelectedOption);
      break;
    default:
      break;
  }
}

}  // namespace vantor
