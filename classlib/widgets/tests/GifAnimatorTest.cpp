#include "classlib/widgets/GifAnimator.h"
#include "classlib/widgets/Form.h"
#include "classlib/widgetsets/qt/QtWidgetSet.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

namespace {

class AnimatedForm : public TForm {
public:
  AnimatedForm() {
    LoadForm("TANIMATED", {});
    Bind(logo, "RxGIFAnimator1");
    Bind(single, "RxGIFAnimator2");
  }
  TRxGIFAnimator* logo = nullptr;
  TRxGIFAnimator* single = nullptr; // a picture of one frame
};

class NoHandlers : public FormReading {
public:
  TNotifyEvent Handler(const FormProperty&) const override { return {}; }
  int FontPixels(std::int64_t height) const override { return static_cast<int>(-height); }
};

FormProperty Flag(const std::string& name, bool on) {
  FormProperty property{name, {}, 1};
  property.value.kind = FormValue::Kind::Identifier;
  property.value.text = on ? "True" : "False";
  return property;
}

class GifAnimatorTest : public ::testing::Test {
protected:
  AnimatedForm form;
  TRxGIFAnimator& animator = *form.logo;
};

} // namespace

TEST(GifDisplayTime, IsTheLargestDelayBeforeTheFrameAndNeverZero) {
  const struct {
    std::vector<int> delays;
    int ms;
  } cases[] = {{{15}, 150}, {{0}, 1}, {{3}, 30}, {{2, 7, 4}, 70}, {{}, 1}};
  for (const auto& c : cases) {
    EXPECT_EQ(DisplayTime(c.delays), c.ms);
  }
}

TEST_F(GifAnimatorTest, StartsStillOnTheFirstFrameAndTicksRoundAllFifteen) {
  EXPECT_FALSE(animator.Animate());
  EXPECT_EQ(animator.FrameIndex(), 0);
  EXPECT_EQ(animator.FrameCount(), 15);
  animator.SetAnimate(true);
  EXPECT_EQ(animator.TimerInterval(), 150);
  std::vector<int> seen;
  for (int tick = 0; tick < 16; ++tick) {
    animator.Tick();
    seen.push_back(animator.FrameIndex());
    EXPECT_EQ(animator.TimerInterval(), 150);
  }
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 0, 1}));
  EXPECT_TRUE(animator.Animate()); // Loop is on: it never stops by itself
}

TEST_F(GifAnimatorTest, FrameIndexIgnoresTheCurrentAndOutOfRangeIndexes) {
  animator.SetFrameIndex(7);
  EXPECT_EQ(animator.FrameIndex(), 7);
  for (const int ignored : {7, -1, 15, 1000}) {
    animator.SetFrameIndex(ignored);
    EXPECT_EQ(animator.FrameIndex(), 7) << ignored;
  }
  animator.SetFrameIndex(0);
  EXPECT_EQ(animator.FrameIndex(), 0);
}

TEST_F(GifAnimatorTest, ATickDoesNothingWhileTheControlIsHiddenOrWithOneFrame) {
  animator.SetAnimate(true);
  animator.SetVisible(false);
  animator.Tick();
  EXPECT_EQ(animator.FrameIndex(), 0);
  animator.SetVisible(true);
  animator.Tick();
  EXPECT_EQ(animator.FrameIndex(), 1);

  ASSERT_EQ(form.single->FrameCount(), 1);
  form.single->SetAnimate(true);
  EXPECT_EQ(form.single->TimerInterval(), 50);
  form.single->Tick();
  EXPECT_EQ(form.single->FrameIndex(), 0);
}

TEST_F(GifAnimatorTest, WithLoopOffTheAnimationStopsBackOnTheFirstFrame) {
  ASSERT_TRUE(animator.SetProperty(Flag("Loop", false), NoHandlers()));
  animator.SetAnimate(true);
  for (int tick = 0; tick < 15; ++tick) {
    animator.Tick();
  }
  EXPECT_EQ(animator.FrameIndex(), 0);
  EXPECT_FALSE(animator.Animate());
}

TEST_F(GifAnimatorTest, TheCentredFrameLeavesTheGroundShowingThroughItsTransparentPixels) {
  const QImage shot = QtWidget(form).grab().toImage();
  EXPECT_EQ(shot.pixelColor(0, 0), QColor(Qt::white)); // a transparent corner: the white ground
  EXPECT_EQ(shot.pixelColor(104, 90), QColor(Qt::white));
  EXPECT_NE(shot.pixelColor(52, 41), QColor(Qt::white)); // the emblem's centre, offset by (2, 0)
}
