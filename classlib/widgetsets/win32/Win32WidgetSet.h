#pragma once

#include "classlib/widgets/WidgetSet.h"
#include "classlib/widgetsets/win32/Win32Application.h"

#include <windows.h>

// The widget set over the Windows API (user32, gdi32, the Windows Imaging Component).
class Win32WidgetSet : public WidgetSet {
public:
  Win32WidgetSet();

  std::unique_ptr<NativeWindow> CreateFormWindow(TForm& form, const TWindowStyle& style) override;
  std::unique_ptr<NativeMemo> CreateMemo(NativeControl& parent) override;
  std::unique_ptr<NativeButton> CreateButton(TButton& button, NativeControl& parent) override;
  std::unique_ptr<NativeControl> CreatePaintBox(TControl& control, NativeControl& parent) override;
  std::unique_ptr<NativeTimer> CreateTimer(std::function<void()> tick) override;

  void SetTitle(std::string_view utf8) override;
  void RunMessageLoop() override;
  void ProcessMessages() override;
  void PostQuit() override;
  void ReleaseMouseCapture() override;
  void ShowFailureBox(std::string_view caption, std::string_view text) override;
  void ShowStartupFailureBox(std::string_view text) override;
  std::string ModuleName() override;

  TSize ScreenSize() override;
  int PixelsPerInch() override;
  TSize TextExtent(const TFont& font, std::string_view utf8) override;
  std::optional<std::string> ReadResource(std::string_view name) override;
  std::vector<TGifFrame> DecodeGif(std::string_view bytes) override;

  HWND ApplicationWindow() const { return application_.Handle(); }

private:
  // Handles one message as the message loop does; false for a quit request.
  bool Dispatch(MSG& message);

  Win32Application application_;
  bool terminated_ = false;
};

// The window handle of a component or window, for tests that drive it as a user would.
HWND Win32Handle(const TControl& control);
