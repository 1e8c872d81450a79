#pragma once

#include "classlib/widgets/Control.h"
#include "classlib/widgets/GifFrames.h"

#include <QTimer>

#include <QWidget>
#include <exception>
#include <future>

// An animated GIF picture. While Animate is on, a timer on the GUI thread shows each frame
// for its display time; each tick moves to the next frame (after the last, to the first,
// or with Loop off, stops there) and redraws the control, and with it whatever lies above.
class TRxGIFAnimator : public QWidget, public TControl {
public:
  explicit TRxGIFAnimator(QWidget* parent);

  bool Animate() const { return animate_; }
  void SetAnimate(bool animate);
  int FrameIndex() const { return frameIndex_; }
  // Ignored for the current index and for one outside the picture's frames.
  void SetFrameIndex(int index);
  int FrameCount() { return static_cast<int>(Picture().frames.size()); }
  // How long the timer waits before its next tick; meaningful while Animate is on.
  int TimerInterval() const { return timer_.interval(); }

  // What one timer tick does. Ticks change nothing while the control itself is hidden or
  // the picture has fewer than two frames.
  void Tick();

  QWidget* Widget() override { return this; }
  bool SetProperty(const FormProperty& property, const FormReading& reading) override;

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  // The decoded picture. Decoding runs on a worker thread from the moment the form data
  // names the picture, so that it does not lengthen start-up; the first use waits for it and
  // raises its failure, if any.
  const GifPicture& Picture();
  int DisplayTime(int index);

  std::future<GifPicture> decoding_;
  GifPicture picture_;
  std::exception_ptr failure_;
  QTimer timer_;
  QColor colour_{0, 0, 0};
  int frameIndex_ = 0;
  bool animate_ = false;
  bool center_ = false;
  bool stretch_ = false;
  bool transparent_ = true;
  bool loop_ = true;
};
