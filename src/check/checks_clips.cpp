// The clip list, the clip folder the settings name, and each clip, opened
// through the multimedia layer as the video window opens it.
#include <algorithm>

#include "check/avi_header.h"
#include "check/checks.h"
#include "check/known_names.h"
#include "common/text.h"
#include "settings/settings.h"
#include "video/frm_run_avi_design.h"

namespace vantor::check {
namespace {

constexpr const char* kBlankEntry = " ";  // keeps its place in the list, shows nothing
constexpr std::size_t kClipHeadBytes = 64 * 1024;
constexpr const char* kCheckAlias = "VantorCheck";

// As the video window sends a path: in double quotes when it holds a blank.
std::string ClipPathWord(const std::string& path) {
  return path.find(' ') == std::string::npos ? path : '"' + path + '"';
}

bool HoldsKeyFile(CheckServices& services, const std::string& folder, const std::string& keyFile) {
  return !services.drives.NormalFiles(folder, keyFile.empty() ? "*" : keyFile).empty();
}

// The folder name's clip folder by the rules of the clip search: the key
// file in relativePath below it first, then in the folder itself.
struct ClipFolder {
  std::string folder;    // where the clips are; empty when not found
  bool entered = false;  // the folder named could be entered
};

ClipFolder FindClipFolder(CheckServices& services, const std::string& named,
                          const std::string& relativePath, const std::string& keyFile) {
  ClipFolder found;
  found.entered = services.drives.TryEnter(named) == EnterResult::Entered;
  if (!found.entered) return found;
  const std::string below = JoinPath(named, relativePath);
  if (!relativePath.empty() && HoldsKeyFile(services, below, keyFile))
    found.folder = below;
  else if (HoldsKeyFile(services, named, keyFile))
    found.folder = named;
  return found;
}

std::string NearestFile(CheckServices& services, const std::string& folder,
                        const std::string& name) {
  std::string best;
  int bestDistance = 3;
  for (const std::string& file : services.drives.NormalFiles(folder, "*")) {
    const int distance = NameDistance(file, name);
    if (distance < bestDistance) {
      best = file;
      bestDistance = distance;
    }
  }
  return best;
}

void CheckClip(CheckContext& c, int n, const std::string& folder) {
  const Installation& install = c.install;
  const std::string section = ClipSection(n);
  const std::string& file = install.clips[n].file;
  const int line = install.Line(section, "File");
  const std::string place = "[" + section + "] File " + Quoted(file);
  const std::string path = JoinPath(folder, file);
  const std::optional<std::string> head = c.services.files.ReadFile(path, kClipHeadBytes);
  if (!head) {
    const std::string near = NearestFile(c.services, folder, file);
    c.findings.Ini(Severity::Error, line, "clip-file",
                   place + " is not in the clip folder " + folder +
                       ": a click on the clip brings only messages of the multimedia layer; " +
                       (near.empty() ? "put the clip there or correct the name"
                                     : "did you mean " + Quoted(near) + "?"));
    return;
  }
  Multimedia& layer = c.services.multimedia;
  const MciAnswer opened =
      layer.SendCommand("Open " + ClipPathWord(path) + " alias " + kCheckAlias, 0);
  if (opened.code == 0) {
    layer.SendCommand(std::string("Close ") + kCheckAlias, 0);
    return;
  }
  const AviVideo video = ReadAviVideo(*head);
  const auto words = layer.ErrorText(opened.code & 0xFFFFu);
  const std::string said =
      words ? Quoted(*words) : "error " + std::to_string(opened.code & 0xFFFFu);
  const std::string format =
      video.riffAvi ? "its video is " + VideoFormatName(video) : "it is not an AVI file";
  c.findings.Ini(Severity::Error, line, "clip-open",
                 place + " cannot be played on this system (" + format +
                     "): the multimedia layer says " + said +
                     "; make the clip an AVI file in a format the system plays (RLE8, Cinepak "
                     "or Microsoft Video 1)");
}

}  // namespace

void CheckClipList(CheckContext& c) {
  static const ListRule rule{
      "AVI",
      "BUTTON",
      "clip",
      "clip-list",
      kClipLabels,
      "the video window has ten clip labels, [AVI0] to [AVI9]",
      "their clips are not listed",
      "the video window says \"ZTHELP.INI not found. Please reinstall ZT Orvex Pro.\" and ends"};
  const Installation& install = c.install;
  const bool ended = ReportListEnd(c, rule, static_cast<int>(install.clips.size()));
  if (install.clips.empty() && !ended)
    c.findings.Ini(Severity::Error, install.Line(ClipSection(0)), "clip-list",
                   "[AVI0] BUTTON is missing: the video window says \"ZTHELP.INI not found. "
                   "Please reinstall ZT Orvex Pro.\" and ends; list the clips from [AVI0] on");
  for (std::size_t n = 0; n < install.clips.size(); ++n) {
    const ClipEntry& clip = install.clips[n];
    const std::string section = ClipSection(static_cast<int>(n));
    if (clip.button == kBlankEntry) continue;
    const int line = install.Line(section, "File");
    const std::string place = "[" + section + "] File " + Quoted(clip.file);
    if (clip.file.empty()) {
      c.findings.Ini(Severity::Error, line, "clip-name",
                     "[" + section + "] has no File: a click on " + Quoted(clip.button) +
                         " plays nothing; name the clip's file");
    } else if (clip.file.find_first_of("\"*?<>|") != std::string::npos) {
      c.findings.Ini(Severity::Error, line, "clip-name",
                     place +
                         " holds a character that no file name can hold (\" * ? < > |): "
                         "correct the name");
    } else if (clip.file.find_first_of(" \t") != std::string::npos) {
      c.findings.Ini(Severity::Warning, line, "clip-name",
                     place +
                         " has a blank in its name: the multimedia layer takes a blank for "
                         "the end of the name unless it is quoted; rename the clip without "
                         "blanks");
    }
  }
}

void CheckClips(CheckContext& c) {
  const Installation& install = c.install;
  const std::string relativePath = install.Read("AVI Setup", "relativePath");
  const std::string keyFile = install.Read("AVI Setup", "keyFile");
  const std::string lastFound = install.Read("General", "MoviesLastFoundAt");
  std::string named = c.options.clipFolder;
  std::string from = "given with --clips";
  int line = 0;
  if (named.empty() && !lastFound.empty()) {
    named = lastFound;
    from = "[General] MoviesLastFoundAt";
    line = install.Line("General", "MoviesLastFoundAt");
  }
  // Without either, the copy of the CD's clip folder that an installation
  // being prepared keeps below itself, if there is one.
  const std::string below = JoinPath(install.folder, relativePath);
  std::string relative = relativePath;
  if (named.empty() && !relativePath.empty() &&
      c.services.drives.TryEnter(below) == EnterResult::Entered) {
    named = below;
    relative.clear();
    from = "the clip folder below the installation";
  }
  if (named.empty()) {
    c.findings.Ini(Severity::Note, install.Line("General"), "clip-folder",
                   "[General] MoviesLastFoundAt is empty, so the video window looks for the "
                   "clips on the CD when it first opens; the clips were not checked: "
                   "vantor-check --clips FOLDER checks the clips in FOLDER");
    return;
  }
  const ClipFolder found = FindClipFolder(c.services, named, relative, keyFile);
  if (!found.entered) {
    c.findings.Ini(Severity::Warning, line, "clip-folder",
                   "the clip folder " + named + " (" + from +
                       ") cannot be entered, so the "
                       "clips were not checked; insert the CD, or name the folder with --clips");
    return;
  }
  if (found.folder.empty()) {
    const std::string key = keyFile.empty() ? "any file" : Quoted(keyFile);
    const std::string where =
        relative.empty() ? named : JoinPath(named, relative) + " nor in " + named;
    c.findings.Ini(Severity::Error, install.Line("AVI Setup", "keyFile"), "clip-folder",
                   "[AVI Setup] keyFile " + key + " is not in " + where + " (" + from +
                       "): Vantor does not take the folder, and the prompt for the clips comes "
                       "back on OK with no reason; put the key file beside the clips");
    return;
  }
  for (std::size_t n = 0; n < install.clips.size(); ++n) {
    const ClipEntry& clip = install.clips[n];
    if (clip.button == kBlankEntry || clip.file.empty() ||
        clip.file.find_first_of("\"*?<>|") != std::string::npos)
      continue;
    CheckClip(c, static_cast<int>(n), found.folder);
  }
}

}  // namespace vantor::check
