#include "Faults.h"

namespace mtz4::sim {

CommandFate fateOf(const FaultPlan& plan, std::uint64_t n) {
    if (plan.vanishAfter && n > *plan.vanishAfter)
        return CommandFate::Vanish;
    if (plan.silentAfter && n > *plan.silentAfter)
        return CommandFate::Silence;
    if (plan.dropEvery != 0 && n % plan.dropEvery == 0)
        return CommandFate::Drop;
    if (plan.garbleEvery != 0 && n % plan.garbleEvery == 0)
        return CommandFate::Garble;
    return CommandFate::Answer;
}

void garble(Reply& reply) {
    if (reply.body.size() >= 2) {
        reply.body.replace(0, 2, "??");
    } else if (!reply.echo.empty()) {
        reply.echo.back() = '?';
    }
}

} // namespace mtz4::sim
