// A test fixture that works in a fresh temporary directory of its own, removed afterwards.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>

#include "support/file_builder.h"

namespace testsupport {

// Base is ::testing::Test or a parameterised test; tag names the directory.
template <class Base = ::testing::Test>
class TempDirTest : public Base {
 protected:
  explicit TempDirTest(std::string tag) : tag_(std::move(tag)) {}
  void SetUp() override { dir_ = makeTempDir(tag_); }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string dir_;

 private:
  std::string tag_;
};

}  // namespace testsupport
