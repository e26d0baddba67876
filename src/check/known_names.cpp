#include "check/known_names.h"

#include <algorithm>

#include "common/text.h"
#include "settings/fixed_texts.h"

namespace vantor::check {
namespace {

const std::vector<SectionKind>& Kinds() {
  static const std::vector<SectionKind> kinds = {
      {"General",
       false,
       {"ChoiceOnCoachDoubleClick", "AutoLaunchCoach", "MoviesLastFoundAt", "CallingAppName"},
       nullptr,
       false},
      {"AVI Setup", false, {"volumeString", "relativePath", "keyFile"}, nullptr, true},
      {"CoachPosition", false, {"left", "top", "width", "height", "windowstate"}, nullptr, true},
      {"AVIPosition", false, {"left", "top", "width", "height", "windowstate"}, nullptr, true},
      {"frmCoach Text",
       false,
       {"Title", "DoItButton", "NextButton", "NextButtonToolTip", "FinishButton",
        "FinishButtonToolTip", "BackButton", "BackButtonToolTip", "CancelButton",
        "CancelButtonToolTip", "DontShowLabel"},
       nullptr,
       false},
      {"frmRUNAVI Text",
       false,
       {"Title", "QuitButton", "QuitButtonToolTip", "StopButtonToolTip", "StartButtonToolTip",
        "PauseButtonToolTip", "Instruction1", "Instruction2"},
       nullptr,
       false,
       {"BadClipFileMessage", texts::kSettingsNotFound.key, texts::kUnknownMciError.key}},
      {"frmChoice Text", false, {"Title", "Question"}, nullptr, false},
      {"frmNoCD Text",
       false,
       {"Title", "NotFoundLabel", "FilesOnCDLabel", "InsertCDLabel"},
       nullptr,
       false,
       {texts::kBrowseButton.key}},
      {texts::kPickerTitle.section,
       false,
       {},
       nullptr,
       false,
       {texts::kPickerTitle.key, texts::kCurrentFolderLabel.key, texts::kFilesLabel.key,
        texts::kDriveNotAvailable.key}},
      {texts::kCopyrightLabel.section, false, {}, nullptr, false, {texts::kCopyrightLabel.key}},
      {"frmScanning Text", false, {"Title", "PreviewScanMessage"}, nullptr, false},
      {"All Forms Text", false, {"OKButton", "CancelButton"}, nullptr, false},
      {"OptionButtons", false, {"numOBSets", "maxOptionButtons"}, nullptr, true},
      {"coachStep", true, {"BUTTON", "StartTopic"}, nullptr, true},
      {"coachTopic",
       true,
       {"TopicID", "Back", "HideButton", "OptionButtonSet", "HideTopic", "DoItButton"},
       nullptr,
       true},
      {"OptionButtons", true, {"topicHeight"}, "OptionButtonText", true},
      {"AVI", true, {"BUTTON", "TOOLTIP", "File"}, nullptr, true},
  };
  return kinds;
}

// A name split into its stem and the digits it ends in.
struct Split {
  std::string_view stem;
  std::string_view digits;
};

Split SplitNumber(std::string_view name) {
  std::size_t end = name.size();
  while (end > 0 && name[end - 1] >= '0' && name[end - 1] <= '9') --end;
  return {name.substr(0, end), name.substr(end)};
}

std::string Squeezed(std::string_view name) {
  std::string out;
  for (const char c : name)
    if (c != ' ' && c != '\t' && c != '_' && c != '-') out += AsciiLower(c);
  return out;
}

// Close enough to be a slip of the keyboard: a letter or two off in a long
// name, one in a short one, or the same but for blanks and case.
bool Near(std::string_view written, std::string_view meant) {
  const int allowed = meant.size() >= 6 ? 2 : 1;
  return NameDistance(written, meant) <= allowed || Squeezed(written) == Squeezed(meant);
}

std::string PlainNumber(std::string_view digits) {
  while (digits.size() > 1 && digits.front() == '0') digits.remove_prefix(1);
  return std::string(digits);
}

}  // namespace

int NameDistance(std::string_view a, std::string_view b) {
  constexpr std::size_t kLongest = 64;
  if (a.size() > kLongest || b.size() > kLongest) return 99;
  // Three rows of the distance table: two before the one being filled, for
  // the swap of neighbours.
  int rows[3][kLongest + 1];
  const std::size_t m = b.size();
  for (std::size_t j = 0; j <= m; ++j) rows[0][j] = static_cast<int>(j);
  for (std::size_t i = 1; i <= a.size(); ++i) {
    int* row = rows[i % 3];
    const int* above = rows[(i - 1) % 3];
    const int* twoAbove = rows[(i + 1) % 3];
    row[0] = static_cast<int>(i);
    for (std::size_t j = 1; j <= m; ++j) {
      const int cost = AsciiLower(a[i - 1]) == AsciiLower(b[j - 1]) ? 0 : 1;
      row[j] = std::min({above[j] + 1, row[j - 1] + 1, above[j - 1] + cost});
      if (i > 1 && j > 1 && AsciiLower(a[i - 1]) == AsciiLower(b[j - 2]) &&
          AsciiLower(a[i - 2]) == AsciiLower(b[j - 1]))
        row[j] = std::min(row[j], twoAbove[j - 2] + 1);
    }
  }
  return rows[a.size() % 3][m];
}

bool IsPlainNumber(std::string_view digits) {
  if (digits.empty() || (digits.size() > 1 && digits.front() == '0')) return false;
  return std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
}

const SectionKind* KindOfSection(std::string_view name, int* number) {
  if (number) *number = -1;
  const Split split = SplitNumber(name);
  for (const SectionKind& kind : Kinds()) {
    if (!kind.numbered && SameWithoutCase(name, kind.name)) return &kind;
    if (kind.numbered && SameWithoutCase(split.stem, kind.name) && IsPlainNumber(split.digits) &&
        split.digits.size() <= 5) {
      if (number) *number = std::stoi(std::string(split.digits));
      return &kind;
    }
  }
  return nullptr;
}

std::string NearSectionName(std::string_view name) {
  if (KindOfSection(name)) return {};
  const Split split = SplitNumber(name);
  // A name that ends in a number is first taken for a numbered section.
  for (const SectionKind& kind : Kinds()) {
    // A number too large for any list is no slip of the keyboard.
    if (kind.numbered && !split.digits.empty() && split.digits.size() <= 5 &&
        Near(split.stem, kind.name))
      return kind.name + PlainNumber(split.digits);
  }
  for (const SectionKind& kind : Kinds())
    if (!kind.numbered && Near(name, kind.name)) return kind.name;
  return {};
}

bool IsKnownKey(const SectionKind& kind, std::string_view key) {
  for (const char* known : kind.keys)
    if (SameWithoutCase(key, known)) return true;
  for (const char* known : kind.optionalKeys)
    if (SameWithoutCase(key, known)) return true;
  if (!kind.numberedKey) return false;
  const Split split = SplitNumber(key);
  return SameWithoutCase(split.stem, kind.numberedKey) && IsPlainNumber(split.digits);
}

std::string NearKeyName(const SectionKind& kind, std::string_view key) {
  if (IsKnownKey(kind, key)) return {};
  for (const char* known : kind.keys)
    if (Near(key, known)) return known;
  for (const char* known : kind.optionalKeys)
    if (Near(key, known)) return known;
  const Split split = SplitNumber(key);
  if (kind.numberedKey && !split.digits.empty() && split.digits.size() <= 5 &&
      Near(split.stem, kind.numberedKey))
    return kind.numberedKey + PlainNumber(split.digits);
  return {};
}

}  // namespace vantor::check
