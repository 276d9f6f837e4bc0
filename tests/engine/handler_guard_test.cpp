// Whatever goes wrong inside a handler of the game, the player is told in the general error
// box and the game goes on.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "support/fakes.h"

namespace filmotas {
namespace {

using namespace testing;

TEST(HandlerGuard, AnyExceptionIsToldAndTheGameGoesOn) {
  const struct { std::function<void()> raise; ShownBox told; } cases[] = {
      {[] { throw std::bad_alloc(); }, {"Error 7:\r\n\r\nMemoria insuficiente", "Error", 16}},
      {[] { throw std::logic_error("?"); }, {"Error 51:\r\n\r\nError interno", "Error", 16}},
      {[] { throw Failure(failure::kDiskFull); }, errorBox(61, describeFailure(failure::kDiskFull))}};
  for (const auto& c : cases) {
    MonoAzul f;
    bool raised = false;
    f.boxes.whileShown = [&] {
      if (!std::exchange(raised, true)) c.raise();
    };
    f.game.mnuAyudaAcercaDe_Click();
    ASSERT_EQ(f.boxes.shown.size(), 2u);
    EXPECT_EQ(f.boxes.shown[1], c.told);
    f.say("m");
    EXPECT_EQ(f.game.model().cell(1), "M");   // still playing
  }
}

}  // namespace
}  // namespace filmotas
