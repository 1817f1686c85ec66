// The wait window's close rule and the throttled pump that keeps the
// per-member message handling of a load cheap.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "forms/TForm6.h"
#include "forms/ThrottledPump.h"

namespace sorvane {
namespace {

class Form6 : public Form6View {
 public:
  std::int32_t maximum = -1, position = -1;
  bool visible = false;
  void SetProgressRange(std::int32_t value) override { maximum = value; }
  void SetProgressPosition(std::int32_t value) override { position = value; }
  void Show() override { visible = true; }
  void Hide() override { visible = false; }
};

TEST(TForm6Test, ClosesOnlyWhenThePositionReachesTheMaximum) {
  Form6 view;
  TForm6 form(view);
  EXPECT_FALSE(form.FormCloseQuery()) << "as designed: 0 of 100";
  form.SetProgressRange(3);
  form.SetProgressPosition(0);
  form.Show();
  EXPECT_FALSE(form.FormCloseQuery());
  form.SetProgressPosition(2);
  EXPECT_FALSE(form.FormCloseQuery());
  form.SetProgressPosition(3);
  EXPECT_TRUE(form.FormCloseQuery());
  EXPECT_EQ(view.position, 3);

  // An empty container: 0 of 0 may close.
  form.SetProgressRange(0);
  EXPECT_EQ(form.Position(), 0) << "kept inside the smaller range";
  EXPECT_TRUE(form.FormCloseQuery());

  // The program's own close goes through whatever the position.
  form.SetProgressRange(5);
  form.SetProgressPosition(1);
  form.Hide();
  EXPECT_FALSE(view.visible);
  form.SetProgressPosition(9);
  EXPECT_EQ(view.position, 5);
}

class FakeClock : public Clock {
 public:
  std::int64_t now = 1000;
  std::int64_t NowMs() override { return now; }
};

class FakeQueue : public EventQueue {
 public:
  bool pending = false;
  int yields = 0;
  int asked = 0;
  bool Pending() override {
    ++asked;
    return pending;
  }
  void Yield() override {
    ++yields;
    pending = false;
  }
};

TEST(ThrottledPumpTest, YieldsFirstThenOnlyForPendingEventsOrElapsedTime) {
  FakeClock clock;
  FakeQueue queue;
  ThrottledPump pump(queue, clock, 10);
  pump.ProcessMessages();
  EXPECT_EQ(queue.yields, 1) << "a window just shown is painted at once";

  for (int i = 0; i < 100000; ++i) pump.ProcessMessages();
  EXPECT_EQ(queue.yields, 1) << "nothing pending, no time passed";

  queue.pending = true;
  pump.ProcessMessages();
  EXPECT_EQ(queue.yields, 2) << "input is served at once";

  clock.now += 9;
  pump.ProcessMessages();
  EXPECT_EQ(queue.yields, 2);
  clock.now += 1;
  pump.ProcessMessages();
  EXPECT_EQ(queue.yields, 3) << "repaints come every interval";

  // With time passed the queue is not even asked.
  const int asked = queue.asked;
  clock.now += 50;
  pump.ProcessMessages();
  EXPECT_EQ(queue.yields, 4);
  EXPECT_EQ(queue.asked, asked);
}

}  // namespace
}  // namespace sorvane
