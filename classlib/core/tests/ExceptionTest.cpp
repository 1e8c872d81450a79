#include "classlib/core/Exception.h"

#include <gtest/gtest.h>

TEST(Exception, OpenFailureNamesTheFileAsPassedAndIsAStreamError) {
  const EFOpenError failure("last.txt");
  const Exception& asBase = failure;
  EXPECT_EQ(asBase.Message(), "Cannot open file last.txt");
  EXPECT_STREQ(asBase.what(), "Cannot open file last.txt");
  EXPECT_STREQ(asBase.ClassName(), "EFOpenError");
  EXPECT_NE(dynamic_cast<const EStreamError*>(&asBase), nullptr);
}

TEST(Exception, ListIndexFailureCarriesTheIndexInDecimal) {
  EXPECT_EQ(EStringListError(0).Message(), "List index out of bounds (0)");
  EXPECT_EQ(EStringListError(-1).Message(), "List index out of bounds (-1)");
  EXPECT_EQ(EStringListError(2147483647).Message(), "List index out of bounds (2147483647)");
  EXPECT_STREQ(EStringListError(3).ClassName(), "EStringListError");
}

TEST(Exception, EachClassReportsItsOwnName) {
  EXPECT_STREQ(Exception("x").ClassName(), "Exception");
  EXPECT_STREQ(EAbort("").ClassName(), "EAbort");
  EXPECT_STREQ(EStreamError("x").ClassName(), "EStreamError");
}
