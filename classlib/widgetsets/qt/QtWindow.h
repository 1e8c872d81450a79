#pragma once

#include "classlib/widgetsets/qt/QtControl.h"

// A form's top-level window. A close from the window system goes to the form.
class QtWindow : public QtControl<QWidget, NativeWindow> {
public:
  QtWindow(TForm& form, const TWindowStyle& style);

  void SetClientSize(TSize size) override;
  TSize OuterSize() override;
  void MoveTo(TPoint outerTopLeft) override;
  void BringToFront() override;
  void SetIcon(const TPicture& icon) override;
  void SetTabOrder(const std::vector<NativeControl*>& order) override;

protected:
  void closeEvent(QCloseEvent* event) override;

private:
  TForm& form_;
  bool fixedSize_;
};
