// The main window and the About window on the Win32 widget set, driven through the Windows
// API as a user's input would reach them.
#include "about/Unit2.h"
#include "classlib/widgets/Application.h"
#include "classlib/widgetsets/win32/Win32WidgetSet.h"
#include "classlib/widgetsets/win32/tests/MessageBoxAnswerer.h"
#include "shell/Unit1.h"
#include "testsupport/SmallWordLists.h"
#include "testsupport/TemporaryWorkingDirectory.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <regex>
#include <string>
#include <thread>

namespace {

void Pump(int milliseconds = 50) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  do {
    Application->ProcessMessages();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  } while (std::chrono::steady_clock::now() < end);
}

// Handles messages until the condition holds, for at most two seconds.
bool PumpUntil(const std::function<bool()>& condition) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  while (!condition() && std::chrono::steady_clock::now() < end) {
    Pump(10);
  }
  return condition();
}

HWND Handle(const TControl* control) { return Win32Handle(*control); }

std::string Text(HWND window) {
  char text[4096] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// The window's place in its parent's client area.
RECT Box(HWND child) {
  RECT box;
  GetWindowRect(child, &box);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&box), 2);
  return {box.left, box.top, box.right - box.left,
          box.bottom - box.top}; // left, top, width, height
}

void Press(HWND target, WPARAM key) {
  PostMessageW(target, WM_KEYDOWN, key, 1);
  PostMessageW(target, WM_KEYUP, key, 0xC0000001);
  Pump();
}

void Click(const TControl* button) {
  SendMessageW(Handle(button), BM_CLICK, 0, 0);
  Pump();
}

LONG_PTR Style(HWND window) { return GetWindowLongPtrW(window, GWL_STYLE); }
LONG_PTR ExStyle(HWND window) { return GetWindowLongPtrW(window, GWL_EXSTYLE); }

bool CentredOnTheScreen(HWND window) {
  RECT outer;
  GetWindowRect(window, &outer);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  return outer.left == (GetSystemMetrics(SM_CXSCREEN) - width) / 2 &&
         outer.top == (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
}

const std::regex kIdentity(kSmallIdentity);

class Win32WindowsTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    Application->SetTitle("Varnex");
    Application->CreateForm(Form1);
    Application->CreateForm(Form2);
    Form1->Show();
    Pump(200);
  }

  Win32WindowsTest() {
    WriteSmallWordLists();
    Form1->Memo1->Clear();
    if (Form2->Visible()) {
      Click(Form2->BitBtn1);
    }
    SetActiveWindow(Handle(Form1));
    Pump();
  }

  static HWND ApplicationWindow() {
    return dynamic_cast<Win32WidgetSet&>(Application->Widgets()).ApplicationWindow();
  }

  TemporaryWorkingDirectory directory_;
};

} // namespace

TEST_F(Win32WindowsTest, TheMainWindowStandsAsDesigned) {
  HWND main = Handle(Form1);
  RECT client;
  GetClientRect(main, &client);
  EXPECT_EQ(client.right, 265);
  EXPECT_EQ(client.bottom, 177);
  EXPECT_TRUE(CentredOnTheScreen(main));
  EXPECT_EQ(Text(main), "Varnex v3.0");
  EXPECT_EQ(Text(ApplicationWindow()), "Varnex");
  EXPECT_EQ(GetWindow(main, GW_OWNER), ApplicationWindow());
  EXPECT_EQ(GetWindow(Handle(Form2), GW_OWNER), ApplicationWindow());
  EXPECT_TRUE(Style(main) & WS_SYSMENU);
  EXPECT_FALSE(Style(main) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_TRUE(IsWindowVisible(main));
  EXPECT_FALSE(IsWindowVisible(Handle(Form2)));

  HWND memo = Handle(Form1->Memo1);
  EXPECT_EQ(Box(memo).left, 8);
  EXPECT_EQ(Box(memo).top, 8);
  EXPECT_EQ(Box(memo).right, 249);
  EXPECT_EQ(Box(memo).bottom, 97);
  EXPECT_TRUE(Style(memo) & ES_MULTILINE);
  EXPECT_TRUE(Style(memo) & ES_READONLY);
  EXPECT_TRUE(Style(memo) & ES_WANTRETURN);
  EXPECT_FALSE(Style(memo) & (WS_HSCROLL | WS_VSCROLL | ES_AUTOHSCROLL));
  EXPECT_TRUE(ExStyle(memo) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(GetFocus(), memo);

  HDC dc = GetDC(memo);
  SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(memo, WM_GETFONT, 0, 0)));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  ReleaseDC(memo, dc);
  EXPECT_EQ(metrics.tmHeight, 13) << "MS Sans Serif at 96 pixels per inch";

  const struct {
    TButton* button;
    RECT box;
    const char* caption;
  } buttons[] = {
      {Form1->Button1, {8, 112, 121, 25}, "Create Male Info"},
      {Form1->Button2, {136, 112, 121, 25}, "Create Female Info"},
      {Form1->Button3, {8, 144, 83, 25}, "Clear"},
      {Form1->Button4, {96, 144, 75, 25}, "About"},
      {Form1->Button5, {176, 144, 81, 25}, "Exit"},
  };
  for (const auto& b : buttons) {
    SCOPED_TRACE(b.caption);
    const RECT box = Box(Handle(b.button));
    EXPECT_EQ(box.left, b.box.left);
    EXPECT_EQ(box.top, b.box.top);
    EXPECT_EQ(box.right, b.box.right);
    EXPECT_EQ(box.bottom, b.box.bottom);
    EXPECT_EQ(Text(Handle(b.button)), b.caption);
    EXPECT_FALSE(Style(Handle(b.button)) & BS_DEFPUSHBUTTON);
  }
}

TEST_F(Win32WindowsTest, TabVisitsTheControlsInOrderAndEnterPressesOnlyTheFocusedButton) {
  HWND memo = Handle(Form1->Memo1);
  SetFocus(memo);
  Form1->Memo1->SetText("kept");
  Press(memo, VK_RETURN); // stays in the box, which is read-only
  EXPECT_EQ(Form1->Memo1->Text(), "kept");
  EXPECT_EQ(Text(memo), "kept");
  for (const TButton* button :
       {Form1->Button1, Form1->Button2, Form1->Button3, Form1->Button4, Form1->Button5}) {
    Press(GetFocus(), VK_TAB);
    EXPECT_EQ(GetFocus(), Handle(button)) << button->Caption();
  }
  Press(GetFocus(), VK_TAB);
  EXPECT_EQ(GetFocus(), memo);
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_SHIFT] = 0x80;
  SetKeyboardState(keys);
  Press(GetFocus(), VK_TAB); // Shift+Tab goes back round
  keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
  EXPECT_EQ(GetFocus(), Handle(Form1->Button5));

  SetFocus(Handle(Form1->Button3)); // "Clear"
  Press(GetFocus(), VK_RETURN);
  EXPECT_EQ(Text(memo), "");
  Form1->Memo1->SetText("kept");
  Press(GetFocus(), VK_SPACE);
  EXPECT_EQ(Text(memo), "");
}

TEST_F(Win32WindowsTest, GeneratingFillsTheMemoAndAFailureIsShownInTheFailureBox) {
  HWND main = Handle(Form1);
  Click(Form1->Button1);
  const std::string male = Text(Handle(Form1->Memo1));
  EXPECT_TRUE(std::regex_match(male, kIdentity)) << male;
  EXPECT_EQ(male, Form1->Memo1->Text());

  std::filesystem::remove("areas.txt");
  {
    MessageBoxAnswerer answerer(main);
    Click(Form1->Button2);
    ASSERT_TRUE(answerer.seen.has_value());
    EXPECT_EQ(answerer.seen->caption, L"Varnex");
    EXPECT_EQ(answerer.seen->text, L"Cannot open file areas.txt.");
    EXPECT_EQ(answerer.seen->owner, ApplicationWindow());
    EXPECT_FALSE(answerer.seen->watchedEnabled) << "the main window is disabled meanwhile";
  }
  Pump();
  EXPECT_TRUE(IsWindowEnabled(main));
  EXPECT_EQ(GetActiveWindow(), main);
  EXPECT_EQ(Text(Handle(Form1->Memo1)), male) << "the box keeps what it showed";
}

TEST_F(Win32WindowsTest, AboutShowsCentredOkHidesRewindsAndTheLogoTurnsMeanwhile) {
  HWND about = Handle(Form2);
  Click(Form1->Button4);
  EXPECT_TRUE(IsWindowVisible(about));
  EXPECT_TRUE(CentredOnTheScreen(about));
  RECT client;
  GetClientRect(about, &client);
  EXPECT_EQ(client.right, 201);
  EXPECT_EQ(client.bottom, 207);
  EXPECT_FALSE(Style(about) & (WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_TRUE(ExStyle(about) & WS_EX_DLGMODALFRAME);
  EXPECT_EQ(GetActiveWindow(), about);
  EXPECT_EQ(GetFocus(), Handle(Form2->BitBtn1));
  EXPECT_EQ(Text(Handle(Form2->BitBtn1)), "OK");

  // Ticks come on the GUI thread, every 150 ms.
  EXPECT_TRUE(PumpUntil([] { return Form2->RxGIFAnimator1->FrameIndex() >= 2; }));
  Press(GetFocus(), VK_ESCAPE);
  EXPECT_TRUE(IsWindowVisible(about));
  SetWindowPos(about, nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER); // dragged away
  Press(GetFocus(), VK_RETURN);
  EXPECT_FALSE(IsWindowVisible(about));
  EXPECT_FALSE(Form2->RxGIFAnimator1->Animate());
  EXPECT_EQ(Form2->RxGIFAnimator1->FrameIndex(), 0);

  Click(Form1->Button4);
  RECT outer;
  GetWindowRect(about, &outer);
  EXPECT_EQ(outer.left, 30);
  EXPECT_EQ(outer.top, 40);
  Press(GetFocus(), VK_SPACE);
  EXPECT_FALSE(IsWindowVisible(about));
}

TEST_F(Win32WindowsTest, Label5StaysAboveTheLogoAndLabel4ShowsThroughIt) {
  Click(Form1->Button4);
  Form2->RxGIFAnimator1->SetAnimate(false);
  HWND about = Handle(Form2);
  const RECT label5 = {8 + 32, 8 + 136, 8 + 32 + Form2->Label5->BoundsRect().width, 8 + 149};
  const RECT label4UnderLogo = {8 + 42, 8 + 64, 8 + 8 + Form2->Label4->BoundsRect().width, 8 + 75};
  const auto pixels = [&](const RECT& area) {
    std::vector<COLORREF> seen;
    HDC dc = GetDC(about);
    for (LONG y = area.top; y < area.bottom; ++y) {
      for (LONG x = area.left; x < area.right; ++x) {
        seen.push_back(GetPixel(dc, x, y));
      }
    }
    ReleaseDC(about, dc);
    return seen;
  };
  const auto hasWhite = [](const std::vector<COLORREF>& seen) {
    return std::find(seen.begin(), seen.end(), RGB(255, 255, 255)) != seen.end();
  };
  std::vector<COLORREF> first;
  for (int frame = 0; frame < 15; ++frame) {
    SCOPED_TRACE(frame);
    Form2->RxGIFAnimator1->SetFrameIndex(frame);
    UpdateWindow(about);
    const std::vector<COLORREF> now = pixels(label5);
    if (frame == 0) {
      first = now;
      EXPECT_TRUE(hasWhite(now));
    }
    EXPECT_EQ(now, first);
    EXPECT_TRUE(hasWhite(pixels(label4UnderLogo)));
  }
  Click(Form2->BitBtn1);
}

TEST_F(Win32WindowsTest, MinimizeOnTheTaskbarHidesEveryWindowUntilRestore) {
  Click(Form1->Button4);
  SendMessageW(ApplicationWindow(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  Pump();
  EXPECT_FALSE(IsWindowVisible(Handle(Form1)));
  EXPECT_FALSE(IsWindowVisible(Handle(Form2)));
  SendMessageW(ApplicationWindow(), WM_SYSCOMMAND, SC_RESTORE, 0);
  Pump();
  EXPECT_TRUE(IsWindowVisible(Handle(Form1)));
  EXPECT_TRUE(IsWindowVisible(Handle(Form2)));
  EXPECT_TRUE(Form2->Visible());
  HMENU menu = GetSystemMenu(ApplicationWindow(), FALSE);
  EXPECT_EQ(GetMenuState(menu, SC_MAXIMIZE, MF_BYCOMMAND), static_cast<UINT>(-1));
  EXPECT_EQ(GetMenuState(menu, SC_SIZE, MF_BYCOMMAND), static_cast<UINT>(-1));
  EXPECT_EQ(GetMenuState(menu, SC_MOVE, MF_BYCOMMAND), static_cast<UINT>(-1));
  EXPECT_NE(GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1));
}
