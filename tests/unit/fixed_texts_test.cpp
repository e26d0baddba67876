// Every fixed text of a window or message reads its key of zthelp.ini: a
// translation shows when the key is set, the old text when it is missing
// or empty.
#include <functional>
#include <memory>

#include "coach_fixture.h"  // IniText
#include "dialogs/frm_about.h"
#include "video/frm_run_avi.h"
#include "video/playback.h"
#include "videosource/discovery.h"
#include "videosource/frm_getpath.h"
#include "videosource/frm_nocd.h"

namespace vantor::testing {
namespace {

using sim::SimFormHost;

// Enough of an installation for the dialogs of the clip search and the
// video window to open: no CD, so the search asks at once; with a clip or
// without.
IniText Installation(bool withClip) {
  IniText ini;
  ini.Set("AVI Setup", "volumeString", "scancd")
      .Set("AVI Setup", "relativePath", "movies")
      .Set("AVI Setup", "keyFile", "vantor-clips.id")
      .Set("frmRUNAVI Text", "Title", "How-to Videos");
  if (withClip) ini.Set("AVI0", "BUTTON", "Scanning").Set("AVI0", "File", "clip0.avi");
  return ini;
}

// A fresh desktop and program for each case of the table.
class Bed : public SimTest {
 public:
  using SimTest::Ends;
  using SimTest::program;
  using SimTest::sim;
  using SimTest::WriteIni;
  void TestBody() override {}

  // The prompt's first showing asks for the picker; `look` reads it.
  std::string FromPicker(const std::function<std::string(SimFormHost&)>& look) {
    std::string seen;
    int prompts = 0;
    sim.OnModal("frmNoCD", [&](SimFormHost& prompt) {
      prompt.Click(++prompts == 1 ? nocd_controls::kBrowse : nocd_controls::kCancel);
    });
    sim.OnModal("frmGetPath", [&](SimFormHost& picker) {
      seen = look(picker);
      picker.PressEscape();
    });
    ClipFolderDialogs dialogs(program);
    FindVideoFolder(program.ClipSearch(), dialogs);
    return seen;
  }
  // The text of the last message box (recorded as "caption|text").
  std::string LastMessage() const {
    if (sim.messageBoxes.empty()) return "(none)";
    return sim.messageBoxes.back().substr(sim.messageBoxes.back().find('|') + 1);
  }
};

struct Row {
  FixedText text;
  // What the user sees of the text, on a desktop whose settings file is written.
  std::function<std::string(Bed&)> shown;
  bool withClip = false;
};

std::vector<Row> Rows() {
  return {
      {texts::kBrowseButton,
       [](Bed& t) {
         std::string seen;
         t.sim.OnModal("frmNoCD", [&](SimFormHost& prompt) {
           seen = prompt.Control(nocd_controls::kBrowse).text;
           prompt.Click(nocd_controls::kCancel);
         });
         ClipFolderDialogs dialogs(t.program);
         FindVideoFolder(t.program.ClipSearch(), dialogs);
         return seen;
       }},
      {texts::kPickerTitle,
       [](Bed& t) { return t.FromPicker([](SimFormHost& p) { return p.Caption(); }); }},
      {texts::kCurrentFolderLabel,
       [](Bed& t) {
         return t.FromPicker(
             [](SimFormHost& p) { return p.Control(getpath_controls::kCurrentFolderLabel).text; });
       }},
      {texts::kFilesLabel,
       [](Bed& t) {
         return t.FromPicker(
             [](SimFormHost& p) { return p.Control(getpath_controls::kFilesLabel).text; });
       }},
      {texts::kDriveNotAvailable,
       [](Bed& t) {
         t.sim.drives.AddDrive('e', DriveKind::CdRom, "", false);
         t.FromPicker([](SimFormHost& p) {
           p.SelectItem(getpath_controls::kDrives, 1);
           return std::string();
         });
         return t.LastMessage();
       }},
      {texts::kSettingsNotFound,
       [](Bed& t) {
         frmRunAVI video(t.program);
         t.Ends([&] { video.Load(); });
         return t.LastMessage();
       }},
      {texts::kUnknownMciError,
       [](Bed& t) {
         frmRunAVI video(t.program);
         video.Load();
         t.sim.mci.FailCommand("stop", 0x4321);  // a code the layer has no words for
         StopClip(t.program.Video(), video);
         return t.LastMessage();
       },
       true},
      {texts::kCopyrightLabel,
       [](Bed& t) {
         frmRunAVI video(t.program);
         video.Load();
         std::string seen;
         t.sim.OnModal("frmAbout", [&](SimFormHost& box) {
           seen = box.Control(about_controls::kCopyright).text;
           box.PressEnter();
         });
         OpenAboutBox(t.program, video);
         return seen;
       },
       true},
  };
}

TEST(FixedTexts, EachReadsItsKeyAndKeepsItsOldTextWhenTheKeyIsMissingOrEmpty) {
  for (const Row& row : Rows()) {
    // A translation in the system's code page: Windows-1252 here.
    const std::string translated = std::string("\xDC") + "bersetzt: " + row.text.key;
    const std::vector<std::pair<const char*, std::string>> cases = {
        {nullptr, row.text.text},
        {"", row.text.text},
        {translated.c_str(), translated},
    };
    for (const auto& [value, expected] : cases) {
      SCOPED_TRACE(std::string("[") + row.text.section + "] " + row.text.key + " = " +
                   (value ? "\"" + std::string(value) + "\"" : "(missing)"));
      Bed bed;
      IniText ini = Installation(row.withClip);
      if (value) ini.Set(row.text.section, row.text.key, value);
      bed.WriteIni(ini.Text());
      EXPECT_EQ(row.shown(bed), expected);
    }
  }
}

}  // namespace
}  // namespace vantor::testing
