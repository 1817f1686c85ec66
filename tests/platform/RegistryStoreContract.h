#pragma once

// The promises of every registry store, checked by RegistryStoreContractTest
// on each store that a test program instantiates it for:
//   INSTANTIATE_TEST_SUITE_P(Name, RegistryStoreContractTest, ::testing::Values(&MakePlace), StoreName);

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/RegistryStore.h"

namespace sorvane {

struct StorePlace {
  std::unique_ptr<RegistryStore> store;
  std::function<void()> cleanUp;
  // The Windows registry folds the case of umlauts too; its emulations fold
  // ASCII letters only.
  bool foldsUmlauts = false;
};

// The one store of an instantiation is named by the instantiation; the
// default name would be the factory's address.
inline std::string StoreName(const ::testing::TestParamInfo<StorePlace (*)()>&) { return "Store"; }

class RegistryStoreContractTest : public ::testing::TestWithParam<StorePlace (*)()> {
 protected:
  void SetUp() override { place = GetParam()(); }
  void TearDown() override { place.cleanUp(); }
  RegistryStore& Store() { return *place.store; }

  StorePlace place;
};

}  // namespace sorvane
