#pragma once

#include "classlib/widgets/Graphics.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the class library needs of a platform, and nothing more. Each platform implements it
// once, in its own folder under classlib/widgetsets/; everything above talks to it only
// through this header. Text marked utf8 comes from form data; other text is bytes in the
// system's code page, as word lists and file names are.

class TButton;
class TControl;
class TForm;

// Drawing on a control the class library paints itself, while it paints.
class TCanvas {
public:
  virtual ~TCanvas() = default;
  virtual void FillRect(const TRect& box, TColor colour) = 0;
  // The picture's transparent pixels leave what lies beneath.
  virtual void Draw(TPoint at, const TPicture& picture) = 0;
  // One line of text placed in the box, clipped to it.
  virtual void TextRect(const TRect& box, std::string_view utf8, const TFont& font,
                        TAlignment alignment, TTextLayout layout) = 0;
};

// A native window or control. Its component owns it; destroying it takes it off the screen.
class NativeControl {
public:
  virtual ~NativeControl() = default;
  // Position and size in the parent's client area.
  virtual void SetBounds(const TRect& box) = 0;
  virtual void SetCaption(std::string_view utf8) = 0;
  // What a screen reader calls a control without a caption.
  virtual void SetAccessibleName(std::string_view utf8) = 0;
  virtual void SetFont(const TFont& font) = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual void SetFocus() = 0;
  // Paints the control again soon, and whatever lies above it.
  virtual void Invalidate() = 0;
};

enum class TBorderStyle { bsSizeable, bsSingle, bsDialog };

struct TWindowStyle {
  TBorderStyle border = TBorderStyle::bsSizeable;
  bool systemMenu = true; // window menu and close box; a dialog frame never has them
  bool minimize = true;
  bool maximize = true;
  bool coloured = false; // false: the system's 3-D face colour
  TColor colour = 0;
};

// A top-level window, owned by the application window. Closing it from the window system
// calls TForm::Close instead of closing it.
class NativeWindow : public NativeControl {
public:
  virtual void SetClientSize(TSize size) = 0;
  // Frame and title bar included.
  virtual TSize OuterSize() = 0;
  virtual void MoveTo(TPoint outerTopLeft) = 0;
  // Raises the window above the others and activates it.
  virtual void BringToFront() = 0;
  virtual void SetIcon(const TPicture& icon) = 0;
  // The controls Tab visits, in order.
  virtual void SetTabOrder(const std::vector<NativeControl*>& order) = 0;
};

// A read-only, word-wrapping, multi-line edit box without scroll bars, on the window colour,
// with a sunken edge. Enter stays in it; Tab moves on.
class NativeMemo : public NativeControl {
public:
  virtual void SetText(std::string_view text) = 0;
};

// A push button that is never a default or cancel button; Enter and Space press it while it
// has the focus. A press calls TButton::Click.
class NativeButton : public NativeControl {
public:
  // Shown in place of a caption; its transparent pixels show the button face.
  virtual void SetGlyph(const TPicture& glyph) = 0;
};

// Calls its tick on the GUI thread, between other messages, once per interval.
class NativeTimer {
public:
  virtual ~NativeTimer() = default;
  // Starts anew: the next tick comes one interval from now.
  virtual void Start(int intervalMs) = 0;
  virtual void Stop() = 0;
};

// A GIF's frames, each composed alone on a transparent canvas of the picture's size, with
// the delays (hundredths of a second) of every control extension set before it.
struct TGifFrame {
  TPicture picture;
  std::vector<int> delays;
};

class WidgetSet {
public:
  virtual ~WidgetSet() = default;

  virtual std::unique_ptr<NativeWindow> CreateFormWindow(TForm& form,
                                                         const TWindowStyle& style) = 0;
  virtual std::unique_ptr<NativeMemo> CreateMemo(NativeControl& parent) = 0;
  virtual std::unique_ptr<NativeButton> CreateButton(TButton& button, NativeControl& parent) = 0;
  // A control without a look of its own: the widget set calls control.Paint to draw it.
  // It never takes the focus.
  virtual std::unique_ptr<NativeControl> CreatePaintBox(TControl& control,
                                                        NativeControl& parent) = 0;
  virtual std::unique_ptr<NativeTimer> CreateTimer(std::function<void()> tick) = 0;

  // The name the desktop shows for the program (taskbar entry, window class).
  virtual void SetTitle(std::string_view utf8) = 0;
  // Takes and dispatches messages until a quit request is taken.
  virtual void RunMessageLoop() = 0;
  // Dispatches every waiting message, and those posted meanwhile.
  virtual void ProcessMessages() = 0;
  virtual void PostQuit() = 0;
  virtual void ReleaseMouseCapture() = 0;
  // A message box with the stop icon and OK, blocking every window of the program until it
  // is answered; the window active before is active again afterwards.
  virtual void ShowFailureBox(std::string_view caption, std::string_view text) = 0;
  // The same, captioned "Application Error", task-modal and without owner.
  virtual void ShowStartupFailureBox(std::string_view text) = 0;
  // The program file's name, without its folder.
  virtual std::string ModuleName() = 0;

  // The primary screen, whole (not the work area).
  virtual TSize ScreenSize() = 0;
  virtual int PixelsPerInch() = 0;
  // The width and height of one line of text; the height is the font's text height, the
  // pitch of lines in a memo.
  virtual TSize TextExtent(const TFont& font, std::string_view utf8) = 0;
  // The bytes of a resource compiled into the program; nothing if there is none.
  virtual std::optional<std::string> ReadResource(std::string_view name) = 0;
  // Raises Exception for bytes that are not a readable GIF.
  virtual std::vector<TGifFrame> DecodeGif(std::string_view bytes) = 0;
};

// The platform's widget set; defined by the one widget-set library the program links.
std::unique_ptr<WidgetSet> CreateWidgetSet(const char* programPath);
