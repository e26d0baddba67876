// A form's window and controls as the design table makes them: sizes in
// twips and pixels, window classes and styles, properties and painting.
#include "check.h"
#include "common/numbers.h"
#include "fixtures.h"
#include "platform/win32/win32_form_host.h"

namespace vantor::win32::test {

namespace {

constexpr Color kGold = Rgb(255, 204, 0);
constexpr Color kGreen = Rgb(0, 128, 0);

int TwipsPerPixel() {
  return TwipsPerPixelOf(kTwipsPerInch, GetDeviceCaps(WindowDC(nullptr), LOGPIXELSX));
}

BOOL CALLBACK FindToolTips(HWND window, LPARAM found) {
  if (ClassOf(window) != TOOLTIPS_CLASSA) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

}  // namespace

TEST_CASE(WindowSizeAndPositionInTwips) {
  Recorder events;
  for (BorderStyle border : {BorderStyle::FixedDialog, BorderStyle::FixedSingle}) {
    auto form = ThePlatform().CreateForm(MakeForm("Geometry", {}, border, 4065, 1890), events);
    HWND window = WindowOf(*form);
    const int perPixel = TwipsPerPixel();
    // The client area follows the design's scale, as its controls do.
    RECT client;
    GetClientRect(window, &client);
    CHECK_EQ(client.right, 271);
    CHECK_EQ(client.bottom, 126);
    const LONG style = StyleOf(window);
    CHECK(!(style & (WS_THICKFRAME | WS_MAXIMIZEBOX)));
    CHECK_EQ((style & WS_MINIMIZEBOX) != 0, border == BorderStyle::FixedSingle);
    CHECK(!IsWindowVisible(window));

    form->Move(1500, 1200, 6000, 4500);
    RECT outer;
    GetWindowRect(window, &outer);
    CHECK_EQ(outer.left, 1500 / perPixel);
    CHECK_EQ(outer.top, 1200 / perPixel);
    CHECK_EQ(outer.right - outer.left, 6000 / perPixel);
    CHECK_EQ(form->Left(), 1500);
    CHECK_EQ(form->Top(), 1200);
    CHECK_EQ(form->Width(), 6000);
    CHECK_EQ(form->Height(), 4500);
    CHECK(form->WindowState() == WindowState::Normal);
    form->SetCaption("Renamed");
    CHECK_EQ(form->Caption(), "Renamed");
  }
}

TEST_CASE(ControlsBecomeChildWindows) {
  Recorder events;
  ControlSpec ok = Make("btn_OK", ControlKind::Button, {10, 100, 75, 25}, "OK");
  ok.id = 1;
  ok.isDefault = true;
  ControlSpec hidden = Make("lbl_Hidden", ControlKind::Label, {10, 10, 50, 20}, "hidden");
  hidden.visible = false;
  ControlSpec disabled = Make("btn_Off", ControlKind::Button, {100, 100, 75, 25}, "Off");
  disabled.enabled = false;
  auto form = ThePlatform().CreateForm(
      MakeForm(
          "Controls",
          {ok, hidden, disabled, Make("box", ControlKind::PictureBox, {0, 130, 200, 60}),
           Make("lbl_In", ControlKind::Label, {5, 6, 80, 20}, "inside", "box"),
           Make("cmb", ControlKind::ComboBox, {100, 10, 120, 21}, "typed"),
           Make("lst", ControlKind::FileList, {230, 10, 60, 60}),
           Make("ln", ControlKind::Line, {300, 80, 0, -40}), Make("tmr", ControlKind::Timer, {})}),
      events);
  HWND window = WindowOf(*form);
  // Until the window is first shown its controls answer from their records
  // and have no windows.
  CHECK(ControlWindow(*form, 1) == nullptr);
  CHECK(form->Visible(0));  // the control's own setting, though the form is hidden
  CHECK(!form->Visible(1));
  CHECK(!form->Enabled(2));
  CHECK_EQ(form->Text(5), "typed");
  form->Show();
  HWND okWindow = ControlWindow(*form, 1);
  CHECK_EQ(ClassOf(okWindow), "Button");
  CHECK_EQ(StyleOf(okWindow) & 0xF, BS_DEFPUSHBUTTON);
  CHECK_EQ(GetParent(okWindow), window);
  // Hidden: no window until it is shown (the combo box's own edit field
  // carries the same number, one level down).
  CHECK(GetDlgItem(window, 1001) == nullptr);
  CHECK(!form->Visible(1));
  CHECK(!form->Enabled(2));

  HWND box = ControlWindow(*form, 1003);
  HWND inside = ControlWindow(*form, 1004);
  CHECK_EQ(GetParent(inside), box);
  CHECK(GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
  const Bounds insideBounds = form->GetBounds(4);
  CHECK_EQ(insideBounds.left, 5);
  CHECK_EQ(insideBounds.top, 6);

  CHECK_EQ(form->Text(5), "typed");
  CHECK_EQ(form->GetBounds(5).height, 21);  // the closed combo box, not its list
  CHECK_EQ(ClassOf(ControlWindow(*form, 1006)), "ListBox");
  const Bounds line = form->GetBounds(7);
  CHECK_EQ(line.top, 40);
  CHECK_EQ(line.height, 40);
  CHECK(ControlWindow(*form, 1008) == nullptr);  // timers have no window

  form->SetText(4, "changed");
  CHECK_EQ(form->Text(4), "changed");
  form->SetVisible(1, true);
  CHECK(form->Visible(1));
  HWND label = GetDlgItem(window, 1001);
  CHECK_EQ(ClassOf(label), "Static");
  CHECK(StyleOf(label) & SS_NOTIFY);
  CHECK(StyleOf(label) & WS_VISIBLE);
  CHECK_EQ(WindowText(label), "hidden");
  form->SetEnabled(2, true);
  CHECK(form->Enabled(2));
  form->SetBounds(4, {7, 8, 90, 22});
  CHECK_EQ(form->GetBounds(4).width, 90);
  CHECK_EQ(form->GetBounds(4).top, 8);
  form->SetText(99, "no such control");
  CHECK_EQ(form->Text(99), "");
}

TEST_CASE(DialogButtonsCarryTheSystemsNumbersUnlessGivenTheirOwn) {
  Recorder events;
  ControlSpec ok = Make("btn_OK", ControlKind::Button, {10, 10, 75, 25}, "OK");
  ok.dialogButton = DialogButton::Ok;
  ControlSpec cancel = Make("btn_Cancel", ControlKind::Button, {90, 10, 75, 25}, "Cancel");
  cancel.dialogButton = DialogButton::Cancel;
  ControlSpec fixed = Make("btn_Fixed", ControlKind::Button, {10, 40, 75, 25}, "Fixed");
  fixed.dialogButton = DialogButton::Ok;
  fixed.id = 77;
  auto form = ThePlatform().CreateForm(
      MakeForm("Dialog buttons",
               {Make("lbl", ControlKind::Label, {10, 70, 75, 20}, "label"), ok, cancel, fixed}),
      events);
  form->Show();
  CHECK_EQ(WindowText(ControlWindow(*form, IDOK)), "OK");
  CHECK_EQ(WindowText(ControlWindow(*form, IDCANCEL)), "Cancel");
  CHECK_EQ(WindowText(ControlWindow(*form, 77)), "Fixed");
  CHECK_EQ(WindowText(ControlWindow(*form, 1000)), "label");  // the first row
}

TEST_CASE(OptionButtonRunsAreGroups) {
  Recorder events;
  auto form = ThePlatform().CreateForm(
      MakeForm("Options", {Make("o1", ControlKind::OptionButton, {10, 10, 80, 18}, "one"),
                           Make("o2", ControlKind::OptionButton, {10, 30, 80, 18}, "two"),
                           Make("sep", ControlKind::Label, {10, 50, 80, 18}, "between"),
                           Make("o3", ControlKind::OptionButton, {10, 70, 80, 18}, "three"),
                           Make("box", ControlKind::PictureBox, {100, 0, 100, 50}),
                           Make("o4", ControlKind::OptionButton, {0, 0, 80, 18}, "four", "box")}),
      events);
  form->Show();
  CHECK_EQ(StyleOf(ControlWindow(*form, 1000)) & 0xF, BS_AUTORADIOBUTTON);
  CHECK(StyleOf(ControlWindow(*form, 1000)) & WS_GROUP);
  CHECK(!(StyleOf(ControlWindow(*form, 1001)) & WS_GROUP));
  CHECK(StyleOf(ControlWindow(*form, 1003)) & WS_GROUP);
  form->SetValue(0, true);
  form->SetValue(3, true);
  form->SetValue(5, true);
  form->SetValue(1, true);
  CHECK(!form->Value(0));
  CHECK(form->Value(1));
  CHECK(form->Value(3));
  CHECK(form->Value(5));
  SendMessageA(ControlWindow(*form, 1000), BM_CLICK, 0, 0);
  CHECK(form->Value(0));
  CHECK(!form->Value(1));
  CHECK(form->Value(3));
}

TEST_CASE(ColoursAndPictures) {
  Recorder events;
  ControlSpec box = Make("box", ControlKind::PictureBox, {0, 0, 150, 100});
  box.backColor = kGold;
  ControlSpec label = Make("lbl", ControlKind::Label, {10, 10, 100, 20}, "", "box");
  ControlSpec image = Make("img", ControlKind::Image, {160, 0, 40, 40});
  image.picture = "testred";
  ControlSpec clear = Make("clear", ControlKind::Image, {0, 50, 40, 40}, "", "box");
  ControlSpec unknown = Make("unknown", ControlKind::Image, {210, 0, 20, 20});
  unknown.picture = "NO_SUCH_PICTURE";
  ControlSpec button = Make("gbtn", ControlKind::GraphicalButton, {160, 50, 32, 32});
  button.picture = "TESTRED";
  button.disabledPicture = "TESTBLUE";
  ControlSpec line = Make("ln", ControlKind::Line, {0, 110, 100, 0});
  line.foreColor = kGreen;
  FormSpec design = MakeForm("Colours", {clear, box, label, image, unknown, button, line});
  design.backColor = Rgb(0, 0, 128);
  auto form = ThePlatform().CreateForm(design, events);
  form->Show();
  const auto pixel = [&](int id, int x, int y) { return PixelAt(ControlWindow(*form, id), x, y); };
  CHECK_EQ(pixel(1002, 2, 2), COLORREF{kGold});    // a label takes its container's colour
  CHECK_EQ(pixel(1000, 20, 20), COLORREF{kGold});  // an image without a picture shows the box
  CHECK_EQ(pixel(1003, 20, 20), RGB(255, 0, 0));   // stretched, found whatever the case
  CHECK_EQ(PixelAt(WindowOf(*form), 215, 15), RGB(0, 0, 128));  // unknown: shows nothing
  CHECK_EQ(pixel(1005, 16, 16), RGB(255, 0, 0));
  CHECK_EQ(pixel(1006, 50, 0), COLORREF{kGreen});
  CHECK_EQ(PixelAt(WindowOf(*form), 290, 150), RGB(0, 0, 128));

  form->SetEnabled(5, false);
  CHECK_EQ(pixel(1005, 16, 16), RGB(0, 0, 255));
  form->SetDisabledPicture(5, "TESTRED");  // a new greyed picture shows at once
  CHECK_EQ(pixel(1005, 16, 16), RGB(255, 0, 0));
  form->SetBackColor(1, kGreen);
  form->SetPicture(3, "TESTBLUE");
  CHECK_EQ(pixel(1002, 2, 2), COLORREF{kGreen});
  CHECK_EQ(pixel(1003, 20, 20), RGB(0, 0, 255));
  form->SetPicture(3, "");
  CHECK_EQ(pixel(1003, 20, 20), RGB(0, 0, 128));
}

TEST_CASE(FontsAndMeasuring) {
  Recorder events;
  ControlSpec label = Make("lbl", ControlKind::Label, {0, 0, 200, 30}, "AA");
  label.font = Font{"Arial", 12, true, false};
  auto form = ThePlatform().CreateForm(MakeForm("Fonts", {label}), events);
  form->Show();
  // At the design's 96 pixels per inch whatever the screen's.
  const int dpi = kDesignPixelsPerInch;
  const auto logFont = [&] {
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(ControlWindow(*form, 1000), WM_GETFONT, 0, 0)),
               sizeof font, &font);
    return font;
  };
  LOGFONTA font = logFont();
  CHECK_EQ(font.lfHeight, -MulDiv(12, dpi, 72));
  CHECK_EQ(font.lfWeight, FW_BOLD);
  CHECK_EQ(std::string(font.lfFaceName), "Arial");
  form->SetFont(0, Font{"Times New Roman", 18, true, true});
  font = logFont();
  CHECK_EQ(font.lfHeight, -MulDiv(18, dpi, 72));
  CHECK(font.lfItalic);

  const TextSize small = form->MeasureText(Font{}, "AA");
  const TextSize big = form->MeasureText(Font{"Arial", 12, true, false}, "AA");
  const TextSize empty = form->MeasureText(Font{"Arial", 12, true, false}, "");
  CHECK(small.width > 0 && small.height > 0);
  CHECK(big.width > small.width && big.height > small.height);
  CHECK_EQ(empty.width, 0);
  CHECK_EQ(empty.height, big.height);
}

TEST_CASE(ToolTipsOneToolPerControl) {
  Recorder events;
  auto form = ThePlatform().CreateForm(
      MakeForm("Tips", {Make("btn", ControlKind::Button, {0, 0, 80, 25}, "Tip"),
                        Make("lbl", ControlKind::Label, {0, 30, 80, 20}, "Tip")}),
      events);
  // Set before the controls have windows, given to them when they are made.
  form->SetToolTip(0, "first");
  form->SetToolTip(1, "label tip");
  form->Show();
  HWND tips = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindToolTips, reinterpret_cast<LPARAM>(&tips));
  CHECK(tips == nullptr);  // made when the pointer first comes over the window
  PostMessageA(ControlWindow(*form, 1001), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  Pump(50);
  form->SetToolTip(0, "second");
  EnumThreadWindows(GetCurrentThreadId(), FindToolTips, reinterpret_cast<LPARAM>(&tips));
  CHECK(tips != nullptr);
  CHECK_EQ(GetWindow(tips, GW_OWNER), WindowOf(*form));
  CHECK_EQ(SendMessageA(tips, TTM_GETTOOLCOUNT, 0, 0), 2);
  char text[80] = {};
  TOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.hwnd = WindowOf(*form);
  tool.uId = reinterpret_cast<UINT_PTR>(ControlWindow(*form, 1000));
  tool.lpszText = text;
  SendMessageA(tips, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
  CHECK_EQ(std::string(text), "second");
}

// A control that starts hidden gets its window when first shown, at once
// with everything set on it meanwhile, between the rows before and after it
// in the table (which is the tab order), and only once.
TEST_CASE(AControlShownLaterIsMadeAsItWasSetMeanwhile) {
  Recorder events;
  ControlSpec hiddenLabel = Make("lbl_Late", ControlKind::Label, {10, 40, 60, 20}, "design");
  hiddenLabel.visible = false;
  ControlSpec hiddenOption = Make("opt", ControlKind::OptionButton, {10, 70, 80, 18}, "option");
  hiddenOption.visible = false;
  ControlSpec hiddenBox = Make("box", ControlKind::PictureBox, {100, 40, 100, 60});
  hiddenBox.visible = false;
  auto form = ThePlatform().CreateForm(
      MakeForm("Late controls",
               {Make("first", ControlKind::Button, {10, 10, 60, 25}, "first"), hiddenLabel,
                Make("last", ControlKind::Button, {10, 100, 60, 25}, "last"), hiddenOption,
                hiddenBox, Make("inner", ControlKind::Label, {5, 5, 50, 20}, "inner", "box"),
                Make("strip", ControlKind::Image, {0, 0, 8, 8})}),
      events);
  form->SetText(1, "set before");
  form->SetBounds(1, {12, 44, 70, 21});
  form->SetFont(1, Font{"Arial", 12, true, false});
  form->SetValue(3, true);
  form->BringToFront(6);
  form->Show();
  HWND first = ControlWindow(*form, 1000);
  HWND last = ControlWindow(*form, 1002);
  CHECK(first != nullptr && last != nullptr);
  for (int windowId : {1001, 1003, 1004, 1005}) CHECK(ControlWindow(*form, windowId) == nullptr);
  CHECK_EQ(form->Text(1), "set before");
  CHECK(form->Value(3));
  CHECK_EQ(GetWindow(WindowOf(*form), GW_CHILD), ControlWindow(*form, 1006));  // put in front

  form->SetText(1, "set while hidden");
  form->SetVisible(1, true);
  HWND label = ControlWindow(*form, 1001);
  CHECK(label != nullptr && IsWindowVisible(label));
  CHECK_EQ(WindowText(label), "set while hidden");
  const Bounds at = form->GetBounds(1);
  CHECK_EQ(at.left, 12);
  CHECK_EQ(at.top, 44);
  CHECK_EQ(at.width, 70);
  CHECK_EQ(at.height, 21);
  LOGFONTA font{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0)), sizeof font, &font);
  CHECK_EQ(font.lfWeight, FW_BOLD);
  CHECK_EQ(GetWindow(first, GW_HWNDNEXT), label);
  CHECK_EQ(GetWindow(label, GW_HWNDNEXT), last);
  CHECK_EQ(GetWindow(WindowOf(*form), GW_CHILD), ControlWindow(*form, 1006));

  form->SetVisible(3, true);
  HWND option = ControlWindow(*form, 1003);
  CHECK_EQ(SendMessageA(option, BM_GETCHECK, 0, 0), BST_CHECKED);
  CHECK_EQ(GetWindow(last, GW_HWNDNEXT), option);  // the last row made so far: at the bottom

  form->SetVisible(4, true);  // the box brings what it holds and shows
  HWND inner = ControlWindow(*form, 1005);
  CHECK(inner != nullptr);
  CHECK_EQ(GetParent(inner), ControlWindow(*form, 1004));
  CHECK(IsWindowVisible(inner));

  form->SetVisible(1, false);
  form->SetVisible(1, true);
  CHECK_EQ(ControlWindow(*form, 1001), label);  // made once
}

// The window a control plays into is there when asked for, shown or not.
TEST_CASE(AHiddenControlsWindowIsMadeWhenAskedFor) {
  Recorder events;
  ControlSpec surface = Make("surface", ControlKind::PictureBox, {0, 0, 40, 30});
  surface.visible = false;
  auto form = ThePlatform().CreateForm(MakeForm("Asked for", {surface}), events);
  HWND made = reinterpret_cast<HWND>(form->ControlHandle(0));
  CHECK(IsWindow(made));
  CHECK(!(StyleOf(made) & WS_VISIBLE));
  form->Show();
  CHECK_EQ(ControlWindow(*form, 1000), made);
  CHECK(!IsWindowVisible(made));
  form->SetVisible(0, true);
  CHECK(IsWindowVisible(made));
  CHECK_EQ(reinterpret_cast<HWND>(form->ControlHandle(0)), made);
}

}  // namespace vantor::win32::test

namespace vantor::win32::test {

TEST_CASE(ListsHoldEntriesAndOneSelection) {
  Recorder events;
  auto form = ThePlatform().CreateForm(
      MakeForm("Lists", {Make("cmb", ControlKind::ComboBox, {8, 8, 120, 100}),
                         Make("files", ControlKind::FileList, {8, 40, 120, 80})}),
      events);
  for (ControlId id : {0, 1}) {
    form->SetItems(id, {"E:\\", "F:\\", "G:\\"});
    CHECK_EQ(form->Items(id).size(), 3u);
    CHECK_EQ(form->Items(id)[1], "F:\\");
    CHECK_EQ(form->ListIndex(id), -1);
    form->SetListIndex(id, 2);
    CHECK_EQ(form->ListIndex(id), 2);
    form->SetListIndex(id, 7);  // past the end: nothing selected
    CHECK_EQ(form->ListIndex(id), -1);
    form->SetItems(id, {"only"});
    CHECK_EQ(form->Items(id).size(), 1u);
    CHECK(IsWindow(reinterpret_cast<HWND>(form->ControlHandle(id))));
  }
  form->SetText(0, "D:\\CLIPS");
  CHECK_EQ(form->Text(0), "D:\\CLIPS");
}

}  // namespace vantor::win32::test
