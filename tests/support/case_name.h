#pragma once

#include <cctype>
#include <string>

#include <gtest/gtest.h>

namespace zrv::test {

// The name of a row of a case table (a struct with a `name` text) as a test name.
struct CaseName {
    template <class Case>
    std::string operator()(const testing::TestParamInfo<Case>& row) const {
        std::string name = row.param.name;
        for (char& c : name) {
            if (std::isalnum(static_cast<unsigned char>(c)) == 0) {
                c = '_';
            }
        }
        return name;
    }
};

}  // namespace zrv::test
