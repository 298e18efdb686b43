#include <gtest/gtest.h>

#include <cstddef>
#include <set>
#include <string>
#include <string_view>

#include "settings/parameters.h"

namespace zrv {
namespace {

// A row pointing at another row's text, or a name written twice, would pass every single-box
// test and still mix two boxes up.
TEST(ParameterTable, EveryBoxOnceWithEveryRoleOncePerGroup) {
    std::set<std::string_view> names;
    Parameters marked;
    std::size_t count = 0;
    for (const ParameterGroup* group : kParameterGroups) {
        for (std::size_t role = 0; role < kParameterRoles; ++role) {
            const auto wanted = static_cast<ParameterRole>(role);
            EXPECT_EQ(parameterRow(*group, wanted).role, wanted);
        }
        for (const ParameterRow& row : *group) {
            names.insert(row.name);
            marked.*row.text = std::to_string(count++);
            const bool feed = row.role == ParameterRole::FeedXy ||
                              row.role == ParameterRole::FeedUp ||
                              row.role == ParameterRole::FeedDown;
            EXPECT_EQ(row.feed, feed) << row.name;
            EXPECT_EQ(row.unit.empty(), row.role == ParameterRole::Spindle) << row.name;
        }
    }
    EXPECT_EQ(names.size(), 12U);
    count = 0;
    for (const ParameterGroup* group : kParameterGroups) {
        for (const ParameterRow& row : *group) {
            EXPECT_EQ(marked.*row.text, std::to_string(count++)) << row.name;
        }
    }
}

}  // namespace
}  // namespace zrv
