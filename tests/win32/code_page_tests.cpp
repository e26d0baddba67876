// Texts of the settings file are in the system's ANSI code page and the
// help title's may be UTF-8: both must show with their own letters whatever
// character set the system picks for a font. Each check compares what the
// backend draws with what the system's Unicode functions draw for the text
// as it was meant. The end-to-end case code_pages runs these cases
// under a Russian and a Hebrew code page too (their names start with
// "CodePage"); under Wine the Hebrew one shows the fault of drawing such
// texts with the ANSI functions, which convert by the font's character set.
#include <cstdio>
#include <string>
#include <vector>

#include "check.h"
#include "fixtures.h"
#include "platform/win32/painting.h"

namespace vantor::win32::test {

namespace {

constexpr int kWidth = 240;
constexpr int kHeight = 40;

// A text with letters of the system's code page beyond ASCII.
std::wstring SampleOfTheCodePage() {
  switch (GetACP()) {
    case 1251:
      return L"\x041F\x0440\x0438\x0432\x0435\x0442, \x043C\x0438\x0440";  // Привет, мир
    case 1253:
      return L"\x0393\x03B5\x03B9\x03B1 \x03C3\x03BF\x03C5";  // Γεια σου
    case 1255:
      return L"\x05E9\x05DC\x05D5\x05DD \x05E2\x05D5\x05DC\x05DD";  // שלום עולם
    default:
      return L"Gr\x00FC\x00DF"
             L"e, F\x00FC\x00DF"
             L"e";  // Grüße, Füße
  }
}

std::string ToAnsi(const std::wstring& wide) {
  const int n = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), nullptr,
                                    0, nullptr, nullptr);
  std::string ansi(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), ansi.data(), n,
                      nullptr, nullptr);
  return ansi;
}

// The fonts of the program's windows and of the topic pane.
const std::vector<Font>& ProgramFonts() {
  static const std::vector<Font> fonts = {
      {"Tahoma", 12, true, false}, {"Tahoma", 24, true, false},         {"Arial", 9, false, false},
      {"Arial", 9, true, false},   {"Arial", 10, false, false},         {"Arial", 12, true, false},
      {"Arial", 12, true, true},   {"Times New Roman", 18, true, true}, {"MS Sans Serif", 8}};
  return fonts;
}

}  // namespace

TEST_CASE(CodePageFontsAskForTheDefaultCharacterSet) {
  std::printf("  system code page %u\n", GetACP());
  const std::wstring wide = SampleOfTheCodePage();
  const std::string ansi = ToAnsi(wide);
  CHECK_EQ(static_cast<int>(ansi.size()), static_cast<int>(wide.size()));  // every letter is in it
  for (const Font& font : ProgramFonts()) {
    HFONT made = TheApp().Gdi().FontFor(font);
    LOGFONTA described{};
    GetObjectA(made, sizeof described, &described);
    CHECK_EQ(static_cast<int>(described.lfCharSet), DEFAULT_CHARSET);

    // A label drawn by the backend shows the letters the text means.
    const RECT place{2, 2, kWidth - 2, kHeight - 2};
    const auto label =
        Drawn(kWidth, kHeight, [&](HDC dc) { DrawLabelText(dc, place, ansi, RGB(0, 0, 0), made); });
    const auto meant = Drawn(kWidth, kHeight, [&](HDC dc) {
      const SelectedObject selected(dc, made);
      SetBkMode(dc, TRANSPARENT);
      RECT box = place;
      DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &box, DT_LEFT | DT_WORDBREAK);
    });
    const std::string what = font.name + " " + std::to_string(static_cast<int>(font.pointSize));
    if (DarkPixels(meant) <= 20) Fail(what + " draws too little of the text", __FILE__, __LINE__);
    if (label != meant)
      Fail("label in " + what + " differs from the text meant", __FILE__, __LINE__);
  }
}

TEST_CASE(CodePageCaptionsRoundTripAndMeasureAsTheirLetters) {
  const std::wstring wide = SampleOfTheCodePage();
  const std::string ansi = ToAnsi(wide);
  Recorder events;
  auto form = ThePlatform().CreateForm(
      MakeForm("Code page", {Make("lbl", ControlKind::Label, {0, 0, 200, 30}),
                             Make("btn", ControlKind::Button, {0, 40, 120, 25})}),
      events);
  form->SetCaption(ansi);
  form->SetText(0, ansi);
  form->SetText(1, ansi);
  const auto windowText = [](HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return std::wstring(text);
  };
  CHECK(windowText(WindowOf(*form)) == wide);
  CHECK(windowText(reinterpret_cast<HWND>(form->ControlHandle(0))) == wide);
  CHECK(windowText(reinterpret_cast<HWND>(form->ControlHandle(1))) == wide);
  CHECK_EQ(form->Text(0), ansi);

  const Font font{"Tahoma", 12, true, false};
  const TextSize measured = form->MeasureText(font, ansi);
  const WindowDC dc(WindowOf(*form));
  const SelectedObject selected(dc, TheApp().Gdi().FontFor(font));
  SIZE meant{};
  GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &meant);
  CHECK_EQ(measured.width, meant.cx);
}

}  // namespace vantor::win32::test
