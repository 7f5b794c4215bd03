#include "data/RecordSet.h"
#include "support/TestSupport.h"

using namespace tolvane;

namespace {

TEST(RecordSet, HoldsValuesNullsAndEmptyStringsApart) {
  RecordSet set;
  set.Reset({"a", "b"});
  set.AppendValue(0, "x");
  set.AppendNull(1);
  set.EndRow();
  set.AppendValue(0, "");
  set.AppendUtf8Value(1, "\xE6\x97\xA5\xF0\x9F\x98\x80");  // 日 and an emoji
  set.EndRow();
  set.SetActive(true);
  ASSERT_EQ(set.RecordCount(), 2);
  EXPECT_EQ(set.Value(0, 0), "x");
  EXPECT_TRUE(set.IsNull(0, 1));
  EXPECT_FALSE(set.IsNull(1, 0));
  EXPECT_EQ(set.Value(1, 0), "");
  EXPECT_EQ(set.Value(1, 1), "\x93\xFA?");
  set.Last();
  EXPECT_EQ(set.AsString(1), "\x93\xFA?");
  set.Next();
  EXPECT_TRUE(set.Eof());
  set.Close();
  EXPECT_FALSE(set.Active());
  EXPECT_EQ(set.FieldCount(), 0);
}

TEST(RecordSet, StorageOverheadPerCellIsSmall) {
  // 100,000 rows x 8 columns with every 10th value NULL.
  RecordSet set;
  set.Reset({"a", "b", "c", "d", "e", "f", "g", "h"});
  for (int r = 0; r < 100000; ++r) {
    for (size_t c = 0; c < 8; ++c) {
      if ((r + static_cast<int>(c)) % 10 == 0) set.AppendNull(c);
      else set.AppendValue(c, "value");
    }
    set.EndRow();
  }
  const double cells = 800000.0;
  EXPECT_LT(set.OverheadBytes() / cells, 24.0);
  EXPECT_TRUE(set.IsNull(0, 0));
  EXPECT_TRUE(set.IsNull(99999, 1));
  EXPECT_EQ(set.Value(99999, 2), "value");
}

}  // namespace
