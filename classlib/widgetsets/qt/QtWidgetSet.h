#pragma once

#include "classlib/widgets/WidgetSet.h"

#include <QApplication>

#include <memory>

class QWidget;

// The widget set over Qt 6 Widgets.
class QtWidgetSet : public WidgetSet {
public:
  explicit QtWidgetSet(const char* programPath);
  ~QtWidgetSet() override;

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

private:
  int argc_ = 1;
  char* argv_[2];
  std::unique_ptr<QApplication> qt_;
};

// The Qt widget of a component or window, for tests that drive it as a user would.
QWidget& QtWidget(const TControl& control);
