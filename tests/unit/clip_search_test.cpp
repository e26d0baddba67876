#include "sim_fixture.h"
#include "startup/launch.h"
#include "startup/run.h"
#include "videosource/discovery.h"
#include "videosource/frm_getpath.h"
#include "videosource/frm_nocd.h"

namespace vantor {
namespace {

using sim::SimFormHost;
using testing::SimTest;

const char kSetup[] =
    "[AVI Setup]\nvolumeString=scancd\nrelativePath=movies\nkeyFile=vantor-clips.id\n"
    "[frmNoCD Text]\nTitle=Clips Not Found\nNotFoundLabel=Not found.\n"
    "FilesOnCDLabel=On the CD.\nInsertCDLabel=Insert it.\n"
    "[frmRUNAVI Text]\nTitle=How-To Videos\n"
    "[All Forms Text]\nOKButton=OK\nCancelButton=Cancel\n";

class ClipSearchTest : public SimTest {
 protected:
  ClipSearchTest() { WriteIni(kSetup); }
  void LastFoundAt(const std::string& folder) {
    WriteIni(std::string(kSetup) + "[General]\nMoviesLastFoundAt=" + folder + "\n");
  }
  // The product CD in drive e:, with or without the clips on it.
  void InsertProductCD(bool withClips = true) {
    sim.drives.AddDrive('e', DriveKind::CdRom, "SCANCD01");
    sim.drives.AddFolder("e:\\movies");
    if (withClips) sim.drives.AddFile("e:\\movies\\vantor-clips.id");
  }
  // The prompt's script: `answer` runs on each showing, counted in `prompts`.
  void OnPrompt(const std::function<void(SimFormHost&)>& answer) {
    sim.OnModal("frmNoCD", [this, answer](SimFormHost& prompt) {
      // A search that keeps asking would never end the test.
      if (++prompts > 8) return prompt.Click(nocd_controls::kCancel);
      answer(prompt);
    });
  }
  int prompts = 0;
  ClipFolderDialogs dialogs{program};
};

TEST_F(ClipSearchTest, TheLastFoundFolderIsTriedWithAndWithoutTheRelativePath) {
  sim.drives.AddDrive('d', DriveKind::Fixed);
  sim.drives.AddFile("d:\\clips\\movies\\vantor-clips.id");
  LastFoundAt("d:\\clips");
  EXPECT_EQ(FindVideoFolder(program.ClipSearch(), dialogs), "d:\\clips\\movies");

  sim.drives.AddFile("d:\\flat\\vantor-clips.id");
  LastFoundAt("d:\\flat");
  EXPECT_EQ(FindVideoFolder(program.ClipSearch(), dialogs), "d:\\flat");
  EXPECT_EQ(prompts, 0);
  EXPECT_TRUE(sim.formsCreated.empty());
}

TEST_F(ClipSearchTest, ADriveAloneIsLookedAtOnlyInTheRelativePath) {
  InsertProductCD();
  sim.drives.AddFile("e:\\vantor-clips.id");
  EXPECT_EQ(ValidateVideoFolder(program.ClipSearch(), "e"), "e:\\movies");
  EXPECT_EQ(ValidateVideoFolder(program.ClipSearch(), "E:"), "E:\\movies");
  EXPECT_EQ(ValidateVideoFolder(program.ClipSearch(), "e:\\"), "e:\\movies");
  EXPECT_EQ(ValidateVideoFolder(program.ClipSearch(), ""), "");
  EXPECT_EQ(ValidateVideoFolder(program.ClipSearch(), "q:\\movies"), "");

  WriteIni("[AVI Setup]\nrelativePath=movies\n");
  EXPECT_EQ(ValidateVideoFolder(program.ClipSearch(), "e:"),
            "");  // no key file: a drive proves nothing

  // With the key file only in the root, two characters are a drive, three a folder.
  sim.drives.AddDrive('f', DriveKind::Fixed);
  sim.drives.AddFile("f:\\vantor-clips.id");
  WriteIni(kSetup);
  EXPECT_EQ(ValidateVideoFolder(program.ClipSearch(), "f:"), "");
  EXPECT_EQ(ValidateVideoFolder(program.ClipSearch(), "f:\\"), "f:\\");
}

TEST_F(ClipSearchTest, DriveReadyTellsAMissingDriveFromAnEmptyOne) {
  sim.drives.AddDrive('e', DriveKind::CdRom, "", false);
  EXPECT_EQ(DriveReady(sim.drives, ""), kNoDriveNamed);
  EXPECT_EQ(DriveReady(sim.drives, "q:\\clips"), kDeviceUnavailable);
  EXPECT_EQ(DriveReady(sim.drives, "1"), kDeviceUnavailable);
  EXPECT_EQ(DriveReady(sim.drives, "e:\\movies"), kDiskNotReady);
  EXPECT_EQ(DriveReady(sim.drives, "c"), kDriveReady);
  EXPECT_EQ(DriveReady(sim.drives, "c:\\no such folder"), kDriveReady);
}

TEST_F(ClipSearchTest, FileExistsCountsNormalFilesOnly) {
  sim.drives.AddFile("c:\\clips\\intro.avi");
  sim.drives.AddFile("c:\\secret\\desktop.ini", false);
  sim.drives.AddFolder("c:\\empty\\sub");
  EXPECT_EQ(FileExists(sim.drives, "C:\\Clips\\INTRO.AVI"), 1);
  EXPECT_EQ(FileExists(sim.drives, "c:\\clips\\*.avi"), 1);
  EXPECT_EQ(FileExists(sim.drives, "c:\\clips\\outro.avi"), 0);
  EXPECT_EQ(FileExists(sim.drives, "c:\\clips\\"), 1);  // any normal file in the folder
  EXPECT_EQ(FileExists(sim.drives, "c:\\secret\\"), 0);
  EXPECT_EQ(FileExists(sim.drives, "c:\\secret\\desktop.ini"), 0);
  EXPECT_EQ(FileExists(sim.drives, "c:\\empty\\"), 0);  // a sub-folder is no file
  EXPECT_EQ(FileExists(sim.drives, "c:\\nowhere\\intro.avi"), 0);
  EXPECT_EQ(FileExists(sim.drives, "intro.avi"), 0);
  EXPECT_EQ(FileExists(sim.drives, ""), 0);
}

TEST_F(ClipSearchTest, TheCDIsFoundByItsLabelWithoutRegardToCaseAsASubstring) {
  sim.drives.AddDrive('d', DriveKind::CdRom, "", false);  // no disc: skipped quietly
  sim.drives.AddDrive('f', DriveKind::CdRom, "AUDIO");
  sim.drives.AddDrive('g', DriveKind::CdRom, "MyScanCD01");
  sim.drives.AddDrive('h', DriveKind::CdRom, "SCANCD02");
  sim.drives.AddDrive('k', DriveKind::Fixed, "SCANCD03");  // not a CD-ROM
  sim.drives.AddFile("g:\\movies\\vantor-clips.id");
  EXPECT_EQ(FindVideoFolder(program.ClipSearch(), dialogs), "g:\\movies");
  EXPECT_EQ(program.videosource.CDDrives,
            (std::vector<std::string>{"d:\\", "f:\\", "g:\\", "h:\\"}));
  EXPECT_EQ(FindCDDriveByLabel(program.ClipSearch(), "SCAN"), "g:\\");
  EXPECT_EQ(FindCDDriveByLabel(program.ClipSearch(), "scancd02"), "h:\\");
  EXPECT_EQ(FindCDDriveByLabel(program.ClipSearch(), "nothing"), "");
  // An empty label text matches the first drive whose label can be read.
  EXPECT_EQ(FindCDDriveByLabel(program.ClipSearch(), ""), "f:\\");
  EXPECT_EQ(prompts, 0);
}

TEST_F(ClipSearchTest, ALabelledCDWithoutTheKeyFileBringsThePromptInsteadOfLooping) {
  InsertProductCD(false);
  OnPrompt([](SimFormHost& prompt) { prompt.Click(nocd_controls::kCancel); });
  EXPECT_EQ(FindVideoFolder(program.ClipSearch(), dialogs), "");
  EXPECT_EQ(prompts, 1);

  // The user puts the right disc in and presses OK: the CD is looked at again.
  prompts = 0;
  OnPrompt([&](SimFormHost& prompt) {
    sim.drives.AddFile("e:\\movies\\vantor-clips.id");
    prompt.Click(nocd_controls::kOk);
  });
  EXPECT_EQ(FindVideoFolder(program.ClipSearch(), dialogs), "e:\\movies");
  EXPECT_EQ(prompts, 1);
}

TEST_F(ClipSearchTest, ThePromptListsTheCDDrivesAndStartsWithTheFirst) {
  sim.drives.AddDrive('g', DriveKind::CdRom, "AUDIO");
  sim.drives.AddDrive('e', DriveKind::CdRom, "", false);
  OnPrompt([](SimFormHost& prompt) {
    EXPECT_TRUE(prompt.shownModal());
    EXPECT_EQ(prompt.Caption(), "Clips Not Found");
    EXPECT_EQ(prompt.Control(nocd_controls::kNotFound).text, "Not found.");
    EXPECT_EQ(prompt.Control(nocd_controls::kFilesOnCD).text, "On the CD.");
    EXPECT_EQ(prompt.Control(nocd_controls::kInsertCD).text, "Insert it.");
    EXPECT_EQ(prompt.Control(nocd_controls::kOk).text, "OK");
    EXPECT_EQ(prompt.Control(nocd_controls::kCancel).text, "Cancel");
    EXPECT_EQ(prompt.Control(nocd_controls::kBrowse).text, "&Browse");
    EXPECT_EQ(prompt.Control(nocd_controls::kDriveBox).items,
              (std::vector<std::string>{"e:\\", "g:\\"}));
    EXPECT_EQ(prompt.Control(nocd_controls::kDriveBox).text, "e:\\");
    prompt.PressEscape();
  });
  EXPECT_EQ(FindVideoFolder(program.ClipSearch(), dialogs), "");
  EXPECT_EQ(program.videosource.NoCDAnswer, kNoCDCancelled);
  EXPECT_EQ(prompts, 1);
  EXPECT_EQ(sim.formsCreated, std::vector<std::string>{"frmNoCD"});
}

TEST_F(ClipSearchTest, WithoutCDDrivesThePromptComesAtOnceWithAnEmptyBox) {
  OnPrompt([](SimFormHost& prompt) {
    EXPECT_TRUE(prompt.Control(nocd_controls::kDriveBox).items.empty());
    EXPECT_EQ(prompt.Control(nocd_controls::kDriveBox).text, "");
    prompt.CloseBox();  // the close box declines like Cancel
  });
  EXPECT_EQ(FindVideoFolder(program.ClipSearch(), dialogs), "");
  EXPECT_EQ(program.videosource.NoCDAnswer, kNoCDCancelled);
  EXPECT_EQ(prompts, 1);
}

TEST_F(ClipSearchTest, ATypedAnswerThatFailsBringsThePromptBack) {
  sim.drives.AddFile("c:\\copied\\movies\\vantor-clips.id");
  const std::vector<std::string> answers = {"q:\\", "c:\\wrong", "  ", "C:\\Copied"};
  OnPrompt([&](SimFormHost& prompt) {
    prompt.TypeText(nocd_controls::kDriveBox, answers.at(static_cast<std::size_t>(prompts - 1)));
    prompt.PressEnter();
  });
  EXPECT_EQ(FindVideoFolder(program.ClipSearch(), dialogs), "C:\\Copied\\movies");
  EXPECT_EQ(prompts, 4);
  EXPECT_GE(sim.doEventsCalls, 4);  // the answer is read only after pending events ran
}

class FolderPickerTest : public ClipSearchTest {
 protected:
  FolderPickerTest() {
    sim.drives.AddDrive('e', DriveKind::CdRom, "", false);
    sim.drives.AddFile("c:\\Program Files\\Vantor\\vantor.exe");
    sim.drives.AddFile("c:\\Program Files\\Vantor\\clips\\movies\\vantor-clips.id");
    sim.drives.AddFile("c:\\Program Files\\Vantor\\clips\\intro.avi");
    sim.drives.AddFolder("c:\\Program Files\\Vantor\\docs");
    sim.drives.AddHiddenFolder("c:\\Program Files\\Vantor\\cache");
  }
  // The prompt asks to browse on its first showing; later showings run `then`.
  void BrowseFirst(const std::function<void(SimFormHost&)>& then) {
    OnPrompt([this, then](SimFormHost& prompt) {
      if (prompts == 1) return prompt.Click(nocd_controls::kBrowse);
      then(prompt);
    });
  }
  template <class T>
  std::vector<std::string> Items(SimFormHost& form, const ControlDecl<T>& name) {
    return form.Control(name).items;
  }
};

TEST_F(FolderPickerTest, OkAtOnceAcceptsTheFolderThePickerOpenedAt) {
  std::string boxAfterPick;
  BrowseFirst([&](SimFormHost& prompt) {
    if (prompts > 2) return prompt.Click(nocd_controls::kCancel);
    boxAfterPick = prompt.Control(nocd_controls::kDriveBox).text;
    prompt.PressEnter();
  });
  sim.OnModal("frmGetPath", [&](SimFormHost& picker) {
    EXPECT_EQ(picker.Caption(), "Select Folder With Video Files");
    EXPECT_EQ(picker.Control(getpath_controls::kCurrentFolderLabel).text, "Current Folder:");
    EXPECT_EQ(picker.Control(getpath_controls::kFilesLabel).text, "Files in highlighted folder:");
    // The last found folder is gone with its CD: the program's folder opens.
    EXPECT_EQ(picker.Control(getpath_controls::kPath).text, "c:\\program files\\vantor\\");
    EXPECT_EQ(Items(picker, getpath_controls::kDrives), (std::vector<std::string>{"c:", "e:"}));
    EXPECT_EQ(picker.Control(getpath_controls::kDrives).listIndex, 0);
    EXPECT_EQ(Items(picker, getpath_controls::kFolders),
              (std::vector<std::string>{"c:\\", "  Program Files", "    Vantor", "      clips",
                                        "      docs"}));
    EXPECT_EQ(picker.Control(getpath_controls::kFolders).listIndex, 2);
    EXPECT_EQ(Items(picker, getpath_controls::kFiles), std::vector<std::string>{"vantor.exe"});
    picker.SelectItem(getpath_controls::kFolders, 3);  // a single click only highlights
    EXPECT_EQ(Items(picker, getpath_controls::kFiles), std::vector<std::string>{"intro.avi"});
    EXPECT_EQ(picker.Control(getpath_controls::kPath).text, "c:\\program files\\vantor\\");
    picker.SelectItem(getpath_controls::kFolders, 2);
    picker.PressEnter();
  });
  LastFoundAt("e:\\movies");
  EXPECT_EQ(FindVideoFolder(program.ClipSearch(), dialogs),
            "");  // the folder picked holds no clips
  EXPECT_EQ(boxAfterPick, "c:\\program files\\vantor\\");
  EXPECT_EQ(prompts, 3);
}

TEST_F(FolderPickerTest, AHighlightedFolderIsOpenedByTheFirstOkAndAcceptedByTheSecond) {
  BrowseFirst([](SimFormHost& prompt) { prompt.Click(nocd_controls::kOk); });
  sim.OnModal("frmGetPath", [&](SimFormHost& picker) {
    picker.SelectItem(getpath_controls::kFolders, 3);
    picker.Click(getpath_controls::kOk);
    EXPECT_FALSE(picker.destroyed());
    EXPECT_EQ(picker.Control(getpath_controls::kPath).text, "c:\\program files\\vantor\\clips\\");
    EXPECT_EQ(Items(picker, getpath_controls::kFolders).back(), "        movies");
    picker.Click(getpath_controls::kOk);
    EXPECT_TRUE(picker.destroyed());
  });
  EXPECT_EQ(FindVideoFolder(program.ClipSearch(), dialogs),
            "c:\\program files\\vantor\\clips\\movies");
  EXPECT_EQ(prompts, 2);
}

TEST_F(FolderPickerTest, DoubleClickOpensAndCancelBringsThePromptBackWithTheFirstCD) {
  std::string boxAfterCancel;
  BrowseFirst([&](SimFormHost& prompt) {
    boxAfterCancel = prompt.Control(nocd_controls::kDriveBox).text;
    prompt.Click(nocd_controls::kCancel);
  });
  sim.OnModal("frmGetPath", [&](SimFormHost& picker) {
    picker.SelectItem(getpath_controls::kFolders, 0);
    picker.DblClick(getpath_controls::kFolders);
    EXPECT_EQ(picker.Control(getpath_controls::kPath).text, "c:\\");
    EXPECT_EQ(picker.Control(getpath_controls::kFolders).listIndex, 0);
    EXPECT_EQ(Items(picker, getpath_controls::kFolders),
              (std::vector<std::string>{"c:\\", "  Program Files"}));
    picker.PressEscape();
  });
  EXPECT_EQ(FindVideoFolder(program.ClipSearch(), dialogs), "");
  EXPECT_EQ(program.videosource.PickedFolder, "");
  EXPECT_EQ(boxAfterCancel, "e:\\");
}

// A drive opens at the current folder the process keeps for it, else at its
// root; the drive of the open folder leaves that folder open.
TEST_F(FolderPickerTest, AChosenDriveOpensAtTheFolderKeptForItElseAtItsRoot) {
  sim.drives.AddDrive('d', DriveKind::Fixed, "DATA");
  sim.drives.AddFolder("d:\\Videos\\Clips");
  sim.drives.SetCurrentFolder("C:\\Program Files\\Vantor\\docs");
  sim.drives.SetCurrentFolderOnDrive('e', "e:\\movies");
  const struct {
    const char* kept;
    const char* opened;
    int line;  // of the open folder in the folder list
  } cases[] = {
      {"D:\\Videos\\Clips", "d:\\videos\\clips\\", 2},
      {"d:\\videos\\", "d:\\videos\\", 1},
      {"d:\\", "d:\\", 0},
      {"d:\\gone", "d:\\", 0},  // kept, but no longer there
      {"", "d:\\", 0},          // none to be had
  };
  BrowseFirst([](SimFormHost& prompt) { prompt.Click(nocd_controls::kCancel); });
  sim.OnModal("frmGetPath", [&](SimFormHost& picker) {
    // The folder kept for c: is another, yet the open one stays.
    picker.SelectItem(getpath_controls::kDrives, 0);
    EXPECT_EQ(picker.Control(getpath_controls::kPath).text, "c:\\program files\\vantor\\");
    EXPECT_EQ(picker.Control(getpath_controls::kFolders).listIndex, 2);
    EXPECT_EQ(Items(picker, getpath_controls::kFiles), std::vector<std::string>{"vantor.exe"});
    for (const auto& c : cases) {
      SCOPED_TRACE(c.kept);
      sim.drives.SetCurrentFolderOnDrive('d', c.kept);
      picker.SelectItem(getpath_controls::kDrives, 1);
      EXPECT_EQ(picker.Control(getpath_controls::kPath).text, c.opened);
      EXPECT_EQ(picker.Control(getpath_controls::kFolders).listIndex, c.line);
      EXPECT_EQ(picker.Control(getpath_controls::kDrives).listIndex, 1);
      picker.SelectItem(getpath_controls::kDrives, 0);  // the current drive: the current folder
      EXPECT_EQ(picker.Control(getpath_controls::kPath).text, "c:\\program files\\vantor\\docs\\");
    }
    // A drive without a disc is refused, whatever folder is kept for it.
    picker.SelectItem(getpath_controls::kDrives, 2);
    EXPECT_EQ(picker.Control(getpath_controls::kPath).text, "c:\\program files\\vantor\\docs\\");
    EXPECT_EQ(picker.Control(getpath_controls::kDrives).listIndex, 0);
    picker.Click(getpath_controls::kCancel);
  });
  EXPECT_EQ(FindVideoFolder(program.ClipSearch(), dialogs), "");
  EXPECT_EQ(sim.messageBoxes,
            std::vector<std::string>{"Vantor|This drive is not currently available"});
}

TEST_F(FolderPickerTest, ADriveThatIsNotAvailableIsRefusedAndTheListGoesBack) {
  sim.drives.AddDrive('d', DriveKind::Fixed, "DATA");
  sim.drives.AddFolder("d:\\videos");
  BrowseFirst([](SimFormHost& prompt) { prompt.Click(nocd_controls::kCancel); });
  sim.OnModal("frmGetPath", [&](SimFormHost& picker) {
    EXPECT_EQ(Items(picker, getpath_controls::kDrives),
              (std::vector<std::string>{"c:", "d: [DATA]", "e:"}));
    picker.SelectItem(getpath_controls::kDrives, 2);
    EXPECT_EQ(sim.messageBoxes,
              std::vector<std::string>{"Vantor|This drive is not currently available"});
    EXPECT_EQ(picker.Control(getpath_controls::kDrives).listIndex, 0);
    EXPECT_EQ(picker.Control(getpath_controls::kPath).text, "c:\\program files\\vantor\\");
    picker.SelectItem(getpath_controls::kDrives, 1);
    EXPECT_EQ(picker.Control(getpath_controls::kPath).text, "d:\\");
    EXPECT_EQ(Items(picker, getpath_controls::kFolders),
              (std::vector<std::string>{"d:\\", "  videos"}));
    picker.Click(getpath_controls::kOk);
  });
  EXPECT_EQ(FindVideoFolder(program.ClipSearch(), dialogs), "");
  EXPECT_EQ(program.videosource.PickedFolder, "d:\\");
}

TEST_F(ClipSearchTest, AVideoStartRemembersTheFolderFoundWithTheHourglassShown) {
  InsertProductCD();
  WriteIni(std::string(kSetup) + "[AVI0]\nBUTTON=Scanning\n");  // a list the window can show
  sim.commandLine = "9";
  EXPECT_EQ(RunStartup(program), kModeVideo);
  EXPECT_TRUE(sim.FindForm("frmRunAVI")->IsVisible());
  EXPECT_EQ(program.startup.MoviesPath, "e:\\movies");
  EXPECT_EQ(Ini("General", "MoviesLastFoundAt"), "e:\\movies");
  EXPECT_NE(std::find(sim.pointers.begin(), sim.pointers.end(), Pointer::Hourglass),
            sim.pointers.end());

  sim.drives.SetReady('e', false);
  OnPrompt([](SimFormHost& prompt) { prompt.Click(nocd_controls::kCancel); });
  sim.writes.clear();
  EXPECT_TRUE(Ends([&] { RunStartup(program); }));
  EXPECT_TRUE(sim.writes.empty());
}

}  // namespace
}  // namespace vantor
