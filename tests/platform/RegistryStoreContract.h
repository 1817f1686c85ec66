#pragma once

// The promises of every registry store, checked by RegistryStoreContractTest
// on each store that a test program instantiates it for:
//   INSTANTIATE_TEST_SUITE_P(Name, RegistryStoreContractTest, ::testing::Values(&MakePlace));

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "platform/RegistryStore.h"

namespace sorvane {

struct StorePlace {
  std::unique_ptr<RegistryStore> store;
  std::function<void()> cleanUp;
  // The Windows registry folds the case of umlauts too; its emulations fold
  // ASCII letters only.
  bool foldsUmlauts = false;
};

class RegistryStoreContractTest : public ::testing::TestWithParam<StorePlace (*)()> {
 protected:
  void SetUp() override { place = GetParam()(); }
  void TearDown() override { place.cleanUp(); }
  RegistryStore& Store() { return *place.store; }

  StorePlace place;
};

}  // namespace sorvane
