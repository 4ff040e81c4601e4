// When the hook runs a reminder check at all, what it does with keys that
// arrive while its own dialogs are open, and how it chains to the hook
// installed before it.
#include <vector>

#include "harness/stack_measure.h"
#include "support/key_hook_fixture.h"

namespace keyhook_test {
namespace {

using talvenor::KeyHook;

class TickGate : public KeyHookTest {};

// The first key at `start` only starts the gate; each later key comes
// `afterMs` after the one before it.
TEST_F(TickGate, ACheckRunsMoreThan5000MsAfterTheLastOne) {
  struct Step {
    std::uint32_t afterMs;
    int checksSoFar;
  };
  const struct {
    const char* what;
    std::uint32_t start;
    std::vector<Step> steps;
  } cases[] = {
      {"exactly 5000 ms is not enough, 5001 is; the next is 5000 ms away again", 1, {{5000, 0}, {1, 1}, {0, 1}}},
      {"5001 ms across the tick count's wrap", 0xFFFFF000u, {{5000, 0}, {1, 1}}},
      // 2^31 ms and more: read as signed this would be negative, and no
      // check would run for the next 25 days.
      {"a host left idle for 25 days", 5001, {{0x80000000u, 1}, {0xC0000000u, 2}, {0xFFFFFFFFu, 3}}},
      {"a first key at 0x7FFFFFFF", 0x7FFFFFFFu, {{5001, 1}}},
      {"a first key at 0xFFFFFFFF", 0xFFFFFFFFu, {{5001, 1}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    talvenor::ResetKeyHookStateForTests();
    ForgetCalls();
    SetTicks(c.start);
    EXPECT_EQ(Press(), kPlainKey);
    EXPECT_EQ(ChecksRun(), 0) << "the first key never runs a check";
    for (const Step& step : c.steps) {
      SetTicks(ticks + step.afterMs);
      Press();
      EXPECT_EQ(ChecksRun(), step.checksSoFar) << "at tick " << ticks;
    }
  }
}

// Measured from the end of the check: a reminder dialog held open for a
// minute moves the next check with it.
TEST_F(TickGate, TheNextCheckCountsFromTheEndOfTheLastOne) {
  StoreSettings(Settings(Row(kToday, 0)));
  frontEnd.dialogActions.push_back([this](void*, std::int32_t, void*) {
    SetTicks(ticks + 60000);
    return 0;
  });
  PressAfterCheckInterval();
  ASSERT_EQ(frontEnd.dialogsRun, std::vector<std::int32_t>{3});
  ForgetCalls();
  SetTicks(ticks + 5000);
  Press();
  EXPECT_EQ(ChecksRun(), 0);
  SetTicks(ticks + 1);
  Press();
  EXPECT_EQ(ChecksRun(), 1);
}

class ReEntry : public KeyHookTest {
 protected:
  // Presses keys into the hook chain as the host would while a dialog of
  // the plug-in is open, long after the last check; remembers the answers.
  DialogAction PressInside(std::vector<std::uint32_t> keys) {
    return [this, keys](void*, std::int32_t, void*) {
      SetTicks(ticks + 60000);
      for (std::uint32_t key : keys) answers.push_back(Host().keyHook(key));
      return 0;
    };
  }
  std::vector<std::uint32_t> answers;
  std::vector<std::uint32_t> seenByPrevious;
};

std::vector<std::uint32_t>* g_seen = nullptr;
std::uint32_t TALVENOR_CALLEE_POPS RecordingHook(std::uint32_t key) {
  g_seen->push_back(key);
  return key & 0xFFFF;
}

TEST_F(ReEntry, KeysInsideTheDialogsPassThroughAndRunNothing) {
  g_seen = &seenByPrevious;
  talvenor::previousHook = &RecordingHook;
  Host().keyHook = &KeyHook;
  StoreSettings(Settings(Row(kToday, 0), "tajne"));
  frontEnd.dialogActions.push_back(PressInside({kShiftF10, kPlainKey}));
  PressAfterCheckInterval();
  EXPECT_EQ(answers, (std::vector<std::uint32_t>{kShiftF10, kPlainKey}))
      << "Shift-F10 inside the plug-in's own dialog reaches the host unchanged";
  EXPECT_EQ(seenByPrevious, (std::vector<std::uint32_t>{kPlainKey, kShiftF10, kPlainKey}))
      << "the previous hook still sees every key";
  EXPECT_EQ(frontEnd.dialogsRun, std::vector<std::int32_t>{3}) << "no configuration, no second reminder";
  EXPECT_EQ(ChecksRun(), 1);
  EXPECT_EQ(Calls("HostFileOpen"), 1);

  answers.clear();
  frontEnd.tones.clear();
  frontEnd.dialogActions.push_back(Type("tajne"));
  frontEnd.dialogActions.push_back(PressInside({kShiftF10, kPlainKey}));
  EXPECT_EQ(Press(kShiftF10), kConsumed);
  EXPECT_EQ(answers, (std::vector<std::uint32_t>{kShiftF10, kPlainKey}));
  EXPECT_EQ(frontEnd.dialogsRun, (std::vector<std::int32_t>{3, 1, 2}));
  EXPECT_TRUE(frontEnd.tones.empty()) << "no check runs while the configuration is open, a minute or not";
  PressAfterCheckInterval();
  EXPECT_EQ(frontEnd.dialogsRun, (std::vector<std::int32_t>{3, 1, 2, 3})) << "the next key after it runs the check";
}

class Chaining : public KeyHookTest {};

std::uint32_t g_previousArgument = 0;
std::uint32_t TALVENOR_CALLEE_POPS MakesShiftF10(std::uint32_t key) {
  g_previousArgument = key;
  return 0xABCD0000u | kShiftF10;  // upper half is not part of the key
}
std::uint32_t TALVENOR_CALLEE_POPS SwallowsShiftF10(std::uint32_t key) {
  return (key & 0xFFFF) == kShiftF10 ? kConsumed : key;
}

TEST_F(Chaining, TheKeyIsTheLow16BitsOfWhatThePreviousHookMadeOfIt) {
  talvenor::previousHook = &MakesShiftF10;
  EXPECT_EQ(Press(0x12342D78u), kConsumed);
  EXPECT_EQ(g_previousArgument, 0x12342D78u) << "the previous hook gets the argument unchanged";
  EXPECT_EQ(frontEnd.dialogsRun, std::vector<std::int32_t>{2});

  talvenor::previousHook = &SwallowsShiftF10;
  frontEnd.dialogsRun.clear();
  ForgetCalls();
  EXPECT_EQ(Press(kShiftF10), kConsumed);
  EXPECT_TRUE(frontEnd.dialogsRun.empty()) << "a key the previous hook consumed is no Shift-F10";
  EXPECT_EQ(Calls(""), 0);

  talvenor::previousHook = nullptr;  // only the low 16 bits are the key
  EXPECT_EQ(Press(0xFFFF0041u), 0x00000041u) << "returned zero-extended";
  EXPECT_EQ(Press(0x00015D00u), kConsumed) << "Shift-F10 whatever the upper half";
  EXPECT_EQ(frontEnd.dialogsRun, std::vector<std::int32_t>{2});
}

#if TALVENOR_STACK_CONTRACT
TEST_F(Chaining, TheHookRemovesItsOwnArgument) {
  const StackWord argument[] = {kPlainKey};
  EXPECT_EQ(MeasureArgumentPop(reinterpret_cast<const void*>(&KeyHook), argument, 1), 4u)
      << "the host pushes one word and expects the hook to pop it";
}
#endif

}  // namespace
}  // namespace keyhook_test
