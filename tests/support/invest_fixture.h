// A loaded machine for the tests of investing, with its toolkit's log cleared.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "support/machine.h"

namespace plonk::test {

struct Invest : ::testing::Test {
    Machine m;
    void SetUp() override {
        m.Tk.Check_Pictures = false;
        m.Load();
        m.Tk.Log.clear();
    }
    Hoofdvenster& H() { return *m.M; }
    int Sound(int n) const { return m.Tk.Count("sound " + std::to_string(n)); }
};

}  // namespace plonk::test
