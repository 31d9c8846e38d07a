// GDI+ started once for a whole test program, shut down after its last test.
#pragma once

#include "skin/graphics/gp_base.h"

#include <gtest/gtest.h>

#include <memory>

namespace skin::test {

class GdiplusEnvironment : public ::testing::Environment {
public:
    void SetUp() override { session_ = std::make_unique<gp::Session>(); }
    void TearDown() override { session_.reset(); }

private:
    std::unique_ptr<gp::Session> session_;
};

// Include in exactly one source file of the test program.
inline const auto* const gGdiplusEnvironment = ::testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

}  // namespace skin::test
