#include "check/checker.h"

#include "check/checks.h"
#include "common/text.h"
#include "settings/settings.h"

namespace vantor::check {
namespace {

// The program reads the settings file and the help title whole; so does the
// checker, up to a size no installation comes near.
constexpr std::size_t kWholeFile = 64u * 1024u * 1024u;

// Every check, in the order it runs.
constexpr void (*kChecks[])(CheckContext&) = {
    CheckSettingsEncoding, CheckSectionNames, CheckRepeats,     CheckKeyNames,    CheckValues,
    CheckWindowTexts,      CheckStepList,     CheckTopicList,   CheckStartTopics, CheckTopicIds,
    CheckBackOffsets,      CheckOptionSets,   CheckScanActions, CheckTitleSyntax, CheckTitleTopics,
    CheckPictures,         CheckClipList,     CheckClips,       CheckFit,
};

// A file that should be `name` but was saved under another name beside it
// by an editor ("zthelp.ini.txt", "zthelp.txt"); empty when there is none.
// Other files of the same stem (the host's zthelp.dll) are not it.
std::string WrongName(CheckServices& services, const std::string& folder, const std::string& name) {
  const std::string stem = name.substr(0, name.find('.'));
  for (const std::string& file : services.drives.NormalFiles(folder, stem + ".*")) {
    const bool longer =
        file.size() > name.size() && SameWithoutCase(file.substr(0, name.size()), name);
    if (longer || SameWithoutCase(file, stem + ".txt")) return file;
  }
  return {};
}

void ReportMissing(Findings& findings, CheckServices& services, const std::string& folder,
                   const std::string& name, const std::string& consequence) {
  const std::string wrong = WrongName(services, folder, name);
  if (!wrong.empty()) {
    // Windows hides the extension an editor adds ("zthelp.ini.txt").
    const bool added =
        wrong.size() > name.size() && SameWithoutCase(wrong.substr(0, name.size()), name);
    findings.Add(
        Severity::Error, wrong, 0, "files",
        "Vantor reads only " + name + ", and this file is not read: rename it " + name +
            (added ? " (Windows may hide the \"" + wrong.substr(name.size()) + "\" an editor added)"
                   : ""));
  }
  findings.Add(Severity::Error, name, 0, "files",
               "cannot be read: " + consequence + "; put " + name + " beside vantor.exe");
}

}  // namespace

const std::vector<CheckKind>& CheckKinds() {
  // By the name each finding carries; docs/authoring.md lists the same.
  static const std::vector<CheckKind> kinds = {
      {"files", "error", "zthelp.ini or Vantor.m14 missing, or saved under another name"},
      {"encoding", "error",
       "zthelp.ini in UTF-8 without a signature, or with letters the system's code page lacks"},
      {"section-name", "error, warning", "a section name a letter or two off one Vantor reads"},
      {"repeat", "error, warning", "a section or key repeated, or a key before any section"},
      {"key-name", "error, warning",
       "a key name Vantor does not read, a '#' comment, a line without '='"},
      {"long-value", "warning", "a value longer than the 255 characters Vantor reads"},
      {"comment-in-value", "warning", "a ';' after a blank in a value: a comment that is shown"},
      {"number", "warning", "a number that does not read as it is written"},
      {"window-text", "warning", "a text of a window that is missing or empty"},
      {"step-list", "error, warning", "the step list ends early, or has more than six steps"},
      {"topic-list", "error, note", "the topic list ends early or is empty; a hidden topic"},
      {"start-topic", "error, warning", "a StartTopic outside the task, or out of order"},
      {"topic-id", "error, warning", "a TopicID the help title lacks, or whose topic is empty"},
      {"back", "error, warning", "a Back offset that leads nowhere, goes forward, or is 0"},
      {"option-set", "error, warning, note",
       "an OptionButtonSet without its set; sets, captions and counts never read"},
      {"scan-action", "error, warning",
       "topics 2, 4, 6, 7 and 8 without what their actions on the scanning application need"},
      {"title-syntax", "error, warning",
       "a near-miss @topic line, text after an identifier, an unpaired **, text before the "
       "first topic"},
      {"title-topic", "warning", "a topic repeated, or shown on no page"},
      {"pictures", "warning", "a background picture of the topic pane missing or not a .bmp"},
      {"clip-list", "error, warning", "the clip list empty, ending early or longer than ten"},
      {"clip-name", "error, warning",
       "a clip without File, or with a blank or a character no file name holds"},
      {"clip-folder", "error, warning, note",
       "the clip folder unknown, not there, or without the key file"},
      {"clip-file", "error", "a clip that is not in the clip folder"},
      {"clip-open", "error", "a clip the multimedia layer cannot open, with its video format"},
      {"fit", "warning",
       "a text wider or taller than its place on the window, by how many pixels: step names, "
       "the don't-show text, button captions, clip titles, instructions, option captions, the "
       "text over a page's options"},
  };
  return kinds;
}

CheckReport CheckInstallation(const std::string& folder, CheckServices& services,
                              const CheckOptions& options) {
  CheckReport report;
  Findings findings;
  Installation install;
  install.folder = folder;
  const std::optional<std::string> settings =
      services.drives.TryEnter(folder) == EnterResult::Entered
          ? services.files.ReadFile(JoinPath(folder, kSettingsFile), kWholeFile)
          : std::nullopt;
  if (!settings) {
    if (services.drives.TryEnter(folder) != EnterResult::Entered)
      findings.Add(Severity::Error, folder, 0, "files", "the folder cannot be entered");
    else
      ReportMissing(findings, services, folder, kSettingsFile,
                    "every text of Vantor's windows is empty, and the coach has no task");
    report.findings = std::move(findings.list);
    report.status = kUnreadable;
    return report;
  }
  install.settingsBytes = *settings;
  install.settingsText = services.codePage.SettingsText(*settings);
  install.ini = IniMap(install.settingsText);
  install.index = ini::Index(install.settingsText);
  ReadTaskAndClips(install);
  if (auto title = services.files.ReadFile(JoinPath(folder, kTitleFile), kWholeFile)) {
    ReadTitle(install, std::move(*title));
  } else {
    ReportMissing(findings, services, folder, kTitleFile,
                  "every page of the coach shows only its background");
  }
  CheckContext context{install, services, options, findings};
  for (const auto check : kChecks) check(context);
  SortFindings(findings.list);
  report.findings = std::move(findings.list);
  report.status = HasErrors(report.findings) ? kErrorsFound : kClean;
  return report;
}

}  // namespace vantor::check
