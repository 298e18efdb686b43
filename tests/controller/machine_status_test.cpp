#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "controller/machine_status.h"

namespace zrv::test {
namespace {

// A report's state word and the state it names, both ways, as GRBL 1.1's interface spells them.
TEST(MachineStatus, StateWordsReadAndWrittenByOneTable) {
    struct Case {
        std::string_view word;
        MachineState state;
    };
    const std::vector<Case> cases{
        {"Idle", MachineState::Idle},   {"Run", MachineState::Run},
        {"Hold", MachineState::Hold},   {"Jog", MachineState::Jog},
        {"Alarm", MachineState::Alarm}, {"Door", MachineState::Door},
        {"Check", MachineState::Check}, {"Home", MachineState::Home},
        {"Sleep", MachineState::Sleep},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        EXPECT_EQ(stateNamed(c.word), c.state);
        EXPECT_EQ(stateName(c.state), c.word);
    }
    EXPECT_EQ(stateNamed("idle"), MachineState::Unknown);
    EXPECT_EQ(stateNamed(""), MachineState::Unknown);
    EXPECT_EQ(stateName(MachineState::Unknown), "?");
}

}  // namespace
}  // namespace zrv::test
