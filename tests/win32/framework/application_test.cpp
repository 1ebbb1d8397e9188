#include "framework/application.h"

#include <gtest/gtest.h>

#include "framework/exception.h"
#include "framework/form.h"
#include "support/message_pump.h"
#include "support/test_forms.h"

namespace {

constexpr UINT WM_PROBE = WM_USER + 0x67;

TFormDesign ProbeDesign() { return TestFormDesign(L"TProbeForm", 20, 20); }

TEST(Application, ErrorInAHandlerIsShownAndTheLoopGoesOn) {
  TErrorBoxCapture errors;
  auto form = MakeComponent<TForm>(ProbeDesign());
  int handled = 0;
  form->SetMessageHandler(WM_PROBE, [&](TMessage& message) {
    ++handled;
    if (message.WParam == 1) throw Exception(L"壊れました");
    message.Result = 42;
  });
  ::PostMessageW(form->Handle(), WM_PROBE, 1, 0);
  ::PostMessageW(form->Handle(), WM_PROBE, 2, 0);
  ASSERT_TRUE(PumpUntil([&] { return handled == 2; }, 2000));
  ASSERT_EQ(errors.Messages.size(), 1u);
  EXPECT_EQ(errors.Messages[0], L"壊れました");
  EXPECT_EQ(::SendMessageW(form->Handle(), WM_PROBE, 0, 0), 42);
}

TEST(Application, ErrorInACreationHandlerIsShown) {
  TErrorBoxCapture errors;
  auto form = MakeComponent<TForm>(ProbeDesign());
  form->OnCreate = [](TComponent*) { throw Exception(L"作成できません"); };
  form->DoCreate();
  ASSERT_EQ(errors.Messages.size(), 1u);
  EXPECT_EQ(errors.Messages[0], L"作成できません");
}

TEST(Application, DestructionHandlerRunsOnceBeforeTheWindowGoes) {
  auto form = MakeComponent<TForm>(ProbeDesign());
  int destroyed = 0;
  bool windowAlive = false;
  HWND window = form->Handle();
  form->OnDestroy = [&](TComponent*) {
    ++destroyed;
    windowAlive = ::IsWindow(window) != FALSE;
  };
  form.reset();
  EXPECT_EQ(destroyed, 1);
  EXPECT_TRUE(windowAlive);
  EXPECT_FALSE(::IsWindow(window));
}

TEST(Application, FormsAreOwnedByTheHiddenApplicationWindow) {
  auto form = MakeComponent<TForm>(ProbeDesign());
  EXPECT_EQ(::GetWindow(form->Handle(), GW_OWNER), Application().Handle());
  EXPECT_FALSE(::IsWindowVisible(Application().Handle()));
  form->SetBounds(-1, -1, 1, 1);
  EXPECT_EQ(form->Left(), -1);
  EXPECT_EQ(form->Width(), 1);
  EXPECT_EQ(form->Height(), 1);
}

TEST(Application, DeactivationHandlerRunsWhenAnotherWindowIsActivated) {
  auto first = MakeComponent<TForm>(ProbeDesign());
  auto second = MakeComponent<TForm>(ProbeDesign());
  int deactivated = 0;
  first->OnDeactivate = [&](TComponent*) { ++deactivated; };
  ::ShowWindow(first->Handle(), SW_SHOW);
  ::ShowWindow(second->Handle(), SW_SHOW);
  ::SetActiveWindow(first->Handle());
  ::SetActiveWindow(second->Handle());
  EXPECT_TRUE(PumpUntil([&] { return deactivated > 0; }, 2000));
}

}  // namespace

namespace {

class TSwallowingFilter final : public TMessageFilter {
public:
  explicit TSwallowingFilter(UINT message) : FMessage(message) {}
  bool PreTranslateMessage(MSG& msg) override {
    if (msg.message != FMessage) return false;
    ++Seen;
    return Swallow;
  }
  int Seen = 0;
  bool Swallow = true;

private:
  UINT FMessage;
};

}  // namespace

TEST(Application, MessageFiltersSeeQueuedMessagesFirstAndMayKeepThemFromTheWindow) {
  auto form = MakeComponent<TForm>(ProbeDesign());
  int reached = 0;
  form->SetMessageHandler(WM_PROBE, [&](TMessage&) { ++reached; });
  TSwallowingFilter filter(WM_PROBE);
  Application().AddMessageFilter(filter);
  ::PostMessageW(form->Handle(), WM_PROBE, 0, 0);
  ASSERT_TRUE(PumpUntil([&] { return filter.Seen == 1; }, 2000));
  EXPECT_EQ(reached, 0);
  filter.Swallow = false;
  ::PostMessageW(form->Handle(), WM_PROBE, 0, 0);
  ASSERT_TRUE(PumpUntil([&] { return reached == 1; }, 2000));
  Application().RemoveMessageFilter(filter);
  ::PostMessageW(form->Handle(), WM_PROBE, 0, 0);
  ASSERT_TRUE(PumpUntil([&] { return reached == 2; }, 2000));
  EXPECT_EQ(filter.Seen, 2);
}
