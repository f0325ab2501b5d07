#pragma once

#include <gtest/gtest.h>
#include <string>

// Names each case of a parameterised test after its `name` member, so a
// failing row reads as what it is.
struct CaseName {
    template <class Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& row) const
    {
        return row.param.name;
    }
};
