// The topic pane on real windows: a topic of a help title file drawn over
// its background picture, the scroll bar of a topic longer than the pane,
// and what the pane shows when a file or a topic is missing.
#include <algorithm>
#include <cwchar>
#include <fstream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "check.h"
#include "fixtures.h"

namespace vantor::win32::test {

namespace {

constexpr COLORREF kBackground = RGB(0, 128, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr int kPaneId = 1001;
constexpr ControlId kPane = 1;
constexpr int kPaneWidth = 200;
constexpr int kPaneHeight = 120;

// A 24-bit bitmap file of one colour.
std::string BitmapFile(int width, int height, COLORREF color) {
  const int stride = (width * 3 + 3) & ~3;
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  info.biSizeImage = static_cast<DWORD>(stride) * static_cast<DWORD>(height);
  BITMAPFILEHEADER header{};
  header.bfType = 0x4D42;
  header.bfOffBits = sizeof header + sizeof info;
  header.bfSize = header.bfOffBits + info.biSizeImage;
  std::string bytes(reinterpret_cast<const char*>(&header), sizeof header);
  bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
  std::string row(static_cast<std::size_t>(stride), '\0');
  for (int x = 0; x < width; ++x) {
    row[3 * x] = static_cast<char>(GetBValue(color));
    row[3 * x + 1] = static_cast<char>(GetGValue(color));
    row[3 * x + 2] = static_cast<char>(GetRValue(color));
  }
  for (int y = 0; y < height; ++y) bytes += row;
  return bytes;
}

// A short topic, a long one of thirty paragraphs and one without text.
std::string TitleText() {
  std::string text = "@topic short\n= Short\nOne **line**.\n\n@topic long\n= A long topic\n";
  for (int i = 1; i <= 30; ++i) {
    text += "Paragraph ";
    text += std::to_string(i);
    text += " has words enough to wrap in the pane.\n\n";
  }
  text += "@topic blank\n# nothing here\n";
  return text;
}

// A form with the pane inside a picture box, as the coach holds it.
std::unique_ptr<FormHost> PaneForm(Recorder& events, int width = kPaneWidth) {
  auto form = ThePlatform().CreateForm(
      MakeForm("Topic Pane",
               {Make("box", ControlKind::PictureBox, {0, 0, width + 80, 180}),
                Make("pane", ControlKind::TopicPane, {40, 10, width, kPaneHeight}, "", "box")},
               BorderStyle::FixedDialog, std::max(4500, (width + 80) * 15)),
      events);
  form->Show();
  return form;
}

SCROLLINFO ScrollInfoOf(HWND window) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(window, SB_VERT, &info);
  return info;
}

bool HasScrollBar(HWND window) { return (StyleOf(window) & WS_VSCROLL) != 0; }

}  // namespace

TEST_CASE(TopicPaneScrollBarOnlyForATopicLongerThanThePane) {
  TempFolder folder;
  const std::string title = folder.Write("Vantor.m14", TitleText());
  Recorder events;
  auto form = PaneForm(events);
  HWND pane = ControlWindow(*form, kPaneId);
  CHECK(!HasScrollBar(pane));

  form->SetTopicPane(kPane, {title, "LONG", ""});
  CHECK(HasScrollBar(pane));
  SCROLLINFO info = ScrollInfoOf(pane);
  CHECK_EQ(info.nPage, static_cast<UINT>(kPaneHeight));
  CHECK(info.nMax + 1 > 30 * 2 * 14);  // thirty paragraphs of at least two lines
  CHECK_EQ(info.nPos, 0);
  RECT client;
  GetClientRect(pane, &client);
  CHECK_EQ(client.right, kPaneWidth - GetSystemMetrics(SM_CXVSCROLL));

  form->SetTopicPane(kPane, {title, "short", ""});
  CHECK(!HasScrollBar(pane));

  // The core sets the pane's height on every topic: the bar follows it.
  form->SetTopicPane(kPane, {title, "long", ""});
  form->SetBounds(kPane, {40, 10, kPaneWidth, info.nMax + 100});
  CHECK(!HasScrollBar(pane));
  form->SetBounds(kPane, {40, 10, kPaneWidth, 60});
  CHECK(HasScrollBar(pane));
  CHECK_EQ(ScrollInfoOf(pane).nPage, 60u);

  // The core still hears of the mouse over the pane.
  SendMessageA(pane, WM_MOUSEMOVE, 0, MAKELPARAM(12, 34));
  CHECK_EQ(events.Count(EventKind::MouseMove, kPane), 1);
}

TEST_CASE(TopicPaneScrollsByLinePageAndWheel) {
  TempFolder folder;
  const std::string title = folder.Write("Vantor.m14", TitleText());
  Recorder events;
  auto form = PaneForm(events);
  HWND pane = ControlWindow(*form, kPaneId);
  form->SetTopicPane(kPane, {title, "long", ""});
  const std::vector<COLORREF> top = Capture(pane);
  auto position = [&] { return ScrollInfoOf(pane).nPos; };

  SendMessageA(pane, WM_VSCROLL, SB_LINEDOWN, 0);
  const int line = position();
  CHECK(line >= 10 && line <= 20);
  SendMessageA(pane, WM_VSCROLL, SB_PAGEDOWN, 0);
  CHECK_EQ(position(), kPaneHeight);  // a page keeps one line of the last in view
  SendMessageA(pane, WM_VSCROLL, SB_LINEUP, 0);
  CHECK_EQ(position(), kPaneHeight - line);
  SendMessageA(pane, WM_VSCROLL, SB_BOTTOM, 0);
  const SCROLLINFO bottom = ScrollInfoOf(pane);
  CHECK_EQ(bottom.nPos, bottom.nMax + 1 - static_cast<int>(bottom.nPage));
  CHECK(Capture(pane) != top);
  SendMessageA(pane, WM_VSCROLL, SB_PAGEDOWN, 0);
  CHECK_EQ(position(), bottom.nPos);
  SendMessageA(pane, WM_VSCROLL, SB_TOP, 0);
  CHECK_EQ(position(), 0);
  CHECK(Capture(pane) == top);

  UINT wheelLines = 3;
  SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &wheelLines, 0);
  SendMessageA(pane, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  CHECK_EQ(position(), static_cast<int>(wheelLines) * line);
  SendMessageA(pane, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA / 2), 0);
  CHECK_EQ(position(), static_cast<int>(wheelLines) * line);  // half a notch waits for more
  SendMessageA(pane, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA / 2), 0);
  CHECK_EQ(position(), 0);
  SendMessageA(pane, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  CHECK_EQ(position(), 0);

  // A new topic starts at its top; a new height keeps the place.
  SendMessageA(pane, WM_VSCROLL, SB_PAGEDOWN, 0);
  form->SetBounds(kPane, {40, 10, kPaneWidth, kPaneHeight - 20});
  CHECK_EQ(position(), kPaneHeight - line);
  form->SetTopicPane(kPane, {title, "short", ""});
  form->SetTopicPane(kPane, {title, "long", ""});
  CHECK_EQ(position(), 0);
}

TEST_CASE(TheWheelOverThePaneScrollsItWhicheverControlHasTheFocus) {
  TempFolder folder;
  const std::string title = folder.Write("Vantor.m14", TitleText());
  Recorder events;
  auto form = ThePlatform().CreateForm(
      MakeForm("Wheel",
               {Make("box", ControlKind::PictureBox, {0, 0, 280, 180}),
                Make("pane", ControlKind::TopicPane, {40, 10, kPaneWidth, kPaneHeight}, "", "box"),
                Make("button", ControlKind::Button, {0, 150, 60, 23}, "OK", "box")}),
      events);
  form->Show();
  form->SetTopicPane(kPane, {title, "long", ""});
  HWND pane = ControlWindow(*form, kPaneId);
  HWND button = ControlWindow(*form, kPaneId + 1);
  // The wheel as a system that sends it to the focused button delivers it.
  const auto wheelAt = [&](HWND window, int x, int y) {
    POINT at{x, y};
    ClientToScreen(window, &at);
    SendMessageA(button, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(at.x, at.y));
    return static_cast<int>(ScrollInfoOf(pane).nPos);
  };
  CHECK_EQ(wheelAt(button, 10, 10), 0);  // the pointer over the button itself
  CHECK(wheelAt(pane, 50, 50) > 0);
}

// The sample's paragraph in a pane as wide as the coach's: a bold word after
// a long plain run on the same line. The run must end, as drawn, a blank
// before the bold word; drawn by the font's own spacing it ran on into it.
TEST_CASE(TheBlankBeforeABoldWordStaysVisible) {
  const std::string paragraph =
      "As soon as there is a frame, **Do It** comes on. Click it to zoom the preview to your "
      "frame and see it in more detail. Zooming is up to you: the **Next** button goes on "
      "without it.";
  constexpr int kWidth = 300;
  TempFolder folder;
  Recorder events;
  auto form = PaneForm(events, kWidth);
  HWND pane = ControlWindow(*form, kPaneId);
  const struct {
    const char* bold;
    int line;  // of 14 pixels, below the top margin of 8
  } words[] = {{" **Do It**", 0}, {" **Next**", 2}};
  for (const auto& [bold, line] : words) {
    // Whether column x on that line shows any ink, its smoothed edges too.
    const auto inked = [line = line](const std::vector<COLORREF>& shown, int x) {
      for (int y = 8 + 14 * line; y < 22 + 14 * line; ++y)
        if (shown[y * kWidth + x] != kWhite) return true;
      return false;
    };
    const std::string before = paragraph.substr(0, paragraph.find(bold));
    const std::string title =
        folder.Write(std::to_string(line) + ".m14",
                     "@topic before\n" + before + "\n@topic whole\n" + paragraph + "\n");
    form->SetTopicPane(kPane, {title, "before", ""});
    const std::vector<COLORREF> alone = Capture(pane);
    int end = kWidth - 1;
    while (end > 0 && !inked(alone, end)) --end;
    form->SetTopicPane(kPane, {title, "whole", ""});
    const std::vector<COLORREF> shown = Capture(pane);
    CHECK(end > 100);
    // The blank is 3 pixels wide, and the text before it ends within its
    // own width, smoothed edges and all.
    CHECK(!inked(shown, end + 1) && !inked(shown, end + 2) && !inked(shown, end + 3));
    CHECK(inked(shown, end + 6));  // the bold word, on the same line
  }
}

TEST_CASE(TopicPaneDrawsTheTextOverItsBackground) {
  TempFolder folder;
  const std::string title = folder.Write("Vantor.m14", TitleText());
  folder.Write("back.bmp", BitmapFile(60, 40, kBackground));
  const std::string elsewhere = folder.Write("plain.bmp", BitmapFile(60, 40, kBackground));
  std::string noise;
  for (int i = 0; i < 4096; ++i) noise += static_cast<char>((i * 7919) % 256);
  const std::string garbled = folder.Write("garbled.m14", noise);
  Recorder events;
  auto form = PaneForm(events);
  HWND pane = ControlWindow(*form, kPaneId);
  auto pixel = [&](int x, int y) { return Capture(pane)[y * kPaneWidth + x]; };
  CHECK_EQ(pixel(5, 5), kWhite);  // before it is told anything

  // No text to show: only the background, unscaled at the top left, white
  // beyond it.
  const std::vector<std::pair<std::string, std::string>> nothing = {
      {title, "blank"},
      {title, "no_such_topic"},
      {folder.File("missing.m14"), "short"},
      {garbled, "short"}};
  for (const auto& [path, topic] : nothing) {
    form->SetTopicPane(kPane, {path, topic, "!back.bmp"});
    const std::vector<COLORREF> shown = Capture(pane);
    CHECK_EQ(shown[5 * kPaneWidth + 5], kBackground);
    CHECK_EQ(shown[39 * kPaneWidth + 59], kBackground);
    CHECK_EQ(shown[5 * kPaneWidth + 60], kWhite);
    CHECK_EQ(DarkPixels(shown), 0);
    CHECK(!HasScrollBar(pane));
  }

  form->SetTopicPane(kPane, {title, "short", "!back.bmp"});
  const std::vector<COLORREF> shown = Capture(pane);
  CHECK(DarkPixels(shown) > 50);
  CHECK_EQ(shown[2 * kPaneWidth + 2], kBackground);  // the margin keeps the text off the edge
  CHECK_EQ(shown[100 * kPaneWidth + 100], kWhite);

  // A name without "!" is a path as it stands; a picture that is not there,
  // or a "!" name without a title's folder, leaves the pane white.
  form->SetTopicPane(kPane, {title, "blank", elsewhere});
  CHECK_EQ(pixel(5, 5), kBackground);
  form->SetTopicPane(kPane, {title, "blank", "!missing.bmp"});
  CHECK_EQ(pixel(5, 5), kWhite);
  form->SetTopicPane(kPane, {"", "blank", "!back.bmp"});
  CHECK_EQ(pixel(5, 5), kWhite);
}

// A UTF-8 help title, with and without its signature, shows Cyrillic,
// Greek and Japanese as the Unicode text drawn directly does.
TEST_CASE(TopicPaneShowsAUtf8TitleAsUnicode) {
  struct Heading {
    const char* topic;
    const char* utf8;
    const wchar_t* meant;
  };
  const Heading headings[] = {
      {"ru", "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82",
       L"\x041F\x0440\x0438\x0432\x0435\x0442"},
      {"el", "\xCE\x93\xCE\xB5\xCE\xB9\xCE\xB1", L"\x0393\x03B5\x03B9\x03B1"},
      {"ja", "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E", L"\x65E5\x672C\x8A9E"},
  };
  std::string text;
  for (const Heading& h : headings)
    text += std::string("@topic ") + h.topic + "\n= " + h.utf8 + "\n";
  TempFolder folder;
  const std::string plain = folder.Write("plain.m14", text);
  const std::string signed_ = folder.Write("signed.m14", "\xEF\xBB\xBF" + text);
  Recorder events;
  auto form = PaneForm(events);
  HWND pane = ControlWindow(*form, kPaneId);
  RECT client;
  GetClientRect(pane, &client);
  HFONT heading = TheApp().Gdi().FontFor(Font{"Arial", 12, true, false});
  for (const std::string& title : {plain, signed_}) {
    for (const Heading& h : headings) {
      form->SetTopicPane(kPane, {title, h.topic, ""});
      const std::vector<COLORREF> shown = Capture(pane);
      const auto meant = Drawn(client.right, client.bottom, [&](HDC dc) {
        const SelectedObject selected(dc, heading);
        SetBkMode(dc, TRANSPARENT);
        // Each character where its measured advance puts it, as the pane draws.
        const int count = static_cast<int>(wcslen(h.meant));
        std::vector<INT> ends(static_cast<std::size_t>(count));
        SIZE extent{};
        GetTextExtentExPointW(dc, h.meant, count, 0, nullptr, ends.data(), &extent);
        for (std::size_t i = ends.size(); i-- > 1;) ends[i] -= ends[i - 1];
        ExtTextOutW(dc, 10, 8, 0, nullptr, h.meant, static_cast<UINT>(count), ends.data());
      });
      CHECK(DarkPixels(shown) > 0);
      if (shown != meant)
        Fail(std::string("topic ") + h.topic + " of " + title, __FILE__, __LINE__);
    }
  }
}

}  // namespace vantor::win32::test
