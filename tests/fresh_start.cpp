// Linked into every test program: each test starts from the globals of a program that
// has not started yet and from the same random sequence, whatever ran before it.
#include <gtest/gtest.h>

#include "common/shared_routines.h"
#include "startup/avcalc_mod.h"

namespace {

class FreshStart : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        AvcalcMod::ResetGlobals();
        AvcalcMod::FixClockSeed(20261206U);
    }
};

const bool registered = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshStart);
    return true;
}();

}  // namespace
