#pragma once

#include "classlib/widgetsets/win32/Win32Control.h"

class TButton;

// A push button. With a glyph it is drawn by its owner: the face, the glyph centred (one
// pixel down and right while pressed) with its transparent pixels showing the face, and the
// focus rectangle.
class Win32Button : public Win32Control<NativeButton> {
public:
  Win32Button(TButton& button, Win32Host& parent);

  // The button of ours with this window handle, if any.
  static Win32Button* Of(HWND handle);

  void Click();
  void Draw(const DRAWITEMSTRUCT& item);

  // "&&" shows a literal "&" and makes no accelerator.
  void SetCaption(std::string_view utf8) override;
  // A button that shows only a glyph carries its name as its window text.
  void SetAccessibleName(std::string_view utf8) override;
  void SetGlyph(const TPicture& glyph) override;

private:
  TButton& button_;
  TPicture glyph_;
};
