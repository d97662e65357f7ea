#pragma once
// Fixture of every GL test: the shared window, with the start-up settings before and after each
// test so that no test sees another's cameras, threshold, lock or projection.

#include "ViewerWindow.h"

#include <gtest/gtest.h>

class GlTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(openViewerWindow()) << "the GL tests need an X server (run them under xvfb-run)";
        resetViewerSettings();
    }
    void TearDown() override { resetViewerSettings(); }
};
