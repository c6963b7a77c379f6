// The console component on a bare text box: rewrites, the prompt guard, the one-keystroke block,
// the owed line break and the program's own keys with their jobs.
#include "console/console.h"

#include <gtest/gtest.h>

#include <vector>

namespace rd::console {
namespace {

class Box : public forms::Form {
 public:
  explicit Box(forms::Runtime& rt) : Form(rt, "Box", "box") {
    Text1.KeyDown = [this](int16_t& keyCode, int16_t) { keys.push_back(keyCode); };
    FinishDesign();
  }
  forms::TextBox Text1{*this, "Text1", true};
  std::vector<int16_t> keys;  // every key that reached the box
};

class ConsoleTest : public ::testing::Test {
 protected:
  ConsoleTest() : box_(Registered(rt_)), console_(box_->Text1, rt_) { box_->Show(); }
  static Box* Registered(forms::Runtime& rt) {
    auto box = std::make_unique<Box>(rt);
    Box* registered = box.get();
    rt.Register(std::move(box));
    return registered;
  }
  services::ScriptedServices svc_;
  forms::Runtime rt_{svc_};
  Box* box_;
  Console console_;
};

TEST_F(ConsoleTest, RewritesAndTheLineBeingTyped) {
  console_.Rewrite("press enter to begin\r\nR1>show\r\n");
  EXPECT_EQ(console_.Text(), "press enter to begin\r\nR1>show\r\n");
  EXPECT_EQ(box_->Text1.SelStart(), static_cast<int>(console_.Text().size()));  // caret at the end
  EXPECT_EQ(console_.TypedLine(), "R1>show");
  console_.ReplaceTail(6, "R1#");
  EXPECT_EQ(console_.Text(), "press enter to begin\r\nR1>R1#");
  EXPECT_EQ(console_.TypedLine(), "R1>R1#");
  console_.ReplaceTail(99, "all");
  EXPECT_EQ(console_.Text(), "all");
}

TEST_F(ConsoleTest, ThePromptGuardBlocksOnlyWhatWouldEraseThePrompt) {
  console_.Rewrite("x\r\nR1#\r\n");
  EXPECT_TRUE(console_.GuardPrompt("R1#"));
  EXPECT_TRUE(box_->Text1.Locked);
  console_.Unblock();
  console_.Rewrite("x\r\nR1#s");
  EXPECT_FALSE(console_.GuardPrompt("R1#"));
  EXPECT_FALSE(box_->Text1.Locked);
  // A line that does not begin with the prompt is no line being typed: "press enter to begin",
  // or the prompt of a device the console no longer drives.
  console_.Rewrite("press enter to begin");
  EXPECT_TRUE(console_.GuardPrompt("R1>"));
  console_.Rewrite("x\r\nRouterA#s");
  EXPECT_TRUE(console_.GuardPrompt("R1#"));
  console_.Rewrite("");  // a device shown without prompt: only an empty line is guarded
  EXPECT_TRUE(console_.GuardPrompt(""));
  console_.Rewrite("k");
  EXPECT_FALSE(console_.GuardPrompt(""));
}

TEST_F(ConsoleTest, OwnKeysAreMarkedWhenSentAndTakenOnce) {
  rt_.RunEvent([&] {
    console_.Send(OwnKey::HelpRetype);
    console_.Send(OwnKey::UndoUp);
    console_.SendEnd();
    console_.SendBackspace();
    EXPECT_TRUE(box_->keys.empty());  // delivered after the event
  });
  EXPECT_EQ(box_->keys, (std::vector<int16_t>{forms::vbKeyUp, forms::vbKeyDown, forms::vbKeyEnd,
                                              forms::vbKeyBack}));
  EXPECT_TRUE(console_.Pending(OwnKey::HelpRetype));
  EXPECT_FALSE(console_.Pending(OwnKey::CaretUp));  // nothing is marked that was not sent
  EXPECT_TRUE(console_.Take(OwnKey::HelpRetype));
  EXPECT_FALSE(console_.Take(OwnKey::HelpRetype));
  console_.Forget(OwnKey::UndoUp);
  EXPECT_FALSE(console_.Pending(OwnKey::UndoUp));
  console_.Send(OwnKey::CaretUp);
  console_.Send(OwnKey::EraseTyped);
  console_.ForgetOwnKeys();
  EXPECT_FALSE(console_.Pending(OwnKey::CaretUp));
  EXPECT_FALSE(console_.Pending(OwnKey::EraseTyped));
}

TEST_F(ConsoleTest, AnExtraLineBreakIsOwedOnceForEitherRedraw) {
  EXPECT_EQ(console_.TakeBreak(), "");
  console_.MarkRedrawn(Redrawn::Prompt);
  console_.MarkRedrawn(Redrawn::Screen);
  EXPECT_EQ(console_.TakeBreak(Redrawn::Screen), "\r\n");
  EXPECT_EQ(console_.TakeBreak(Redrawn::Screen), "");
  EXPECT_TRUE(console_.IsRedrawn(Redrawn::Prompt));
  console_.MarkRedrawn(Redrawn::Screen);
  EXPECT_EQ(console_.TakeBreak(), "\r\n");  // one break for both, and both are settled
  EXPECT_FALSE(console_.IsRedrawn(Redrawn::Prompt));
  EXPECT_EQ(console_.TakeBreak(), "");
  console_.MarkRedrawn(Redrawn::Prompt);
  console_.ForgetRedraws();
  EXPECT_EQ(console_.TakeBreak(), "");
}

}  // namespace
}  // namespace rd::console
