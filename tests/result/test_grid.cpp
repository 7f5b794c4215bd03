#include "platform/Clipboard.h"
#include "result/GridStore.h"
#include "support/TestSupport.h"

using namespace tolvane;

namespace {

// A 4 x 4 grid: row 0 headers H1..H3, column 0 row numbers, cells "r,c".
GridStore Filled() {
  GridStore g;
  g.SetRows(4);
  g.SetCols(4);
  for (int c = 1; c < 4; ++c) SetCellText(g, 0, c, "H" + std::to_string(c));
  for (int r = 1; r < 4; ++r) {
    SetCellText(g, r, 0, std::to_string(r));
    for (int c = 1; c < 4; ++c) SetCellText(g, r, c, std::to_string(r) + "," + std::to_string(c));
  }
  return g;
}

TEST(Grid, GrowingKeepsCellsAndShrinkingDropsThem) {
  GridStore g = Filled();
  g.SetRows(10);
  g.SetCols(6);
  EXPECT_EQ(g.TextAt(3, 3), "3,3");
  EXPECT_EQ(g.TextAt(9, 5), "");
  g.SetRows(2);
  g.SetRows(4);
  EXPECT_EQ(g.TextAt(1, 1), "1,1");
  EXPECT_EQ(g.TextAt(3, 3), "");
}

TEST(Grid, SettingRowOrColCollapsesTheSelection) {
  GridStore g = Filled();
  g.Select(1, 1, 3, 3);
  g.SetRow(2);
  EXPECT_EQ(g.RowSel(), 2);
  EXPECT_EQ(g.ColSel(), 1);
  g.Select(1, 1, 3, 3);
  g.SetCol(2);
  EXPECT_EQ(g.RowSel(), 1);
  EXPECT_EQ(g.ColSel(), 2);
}

TEST(Grid, ClipJoinsCellsByTabAndRowsByCr) {
  GridStore g = Filled();
  struct {
    int row, col, rowSel, colSel;
    const char* clip;
  } cases[] = {
      {1, 1, 2, 2, "1,1\t1,2\r2,1\t2,2"},
      {2, 2, 1, 1, "1,1\t1,2\r2,1\t2,2"},  // dragged upward and to the left
      {3, 1, 1, 1, "1,1\r2,1\r3,1"},
      {0, 1, 0, 3, "H1\tH2\tH3"},
      {2, 0, 2, 0, "2"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GetRangeText(g, c.row, c.col, c.rowSel, c.colSel), c.clip);
    EXPECT_EQ(g.Row(), c.row);
    EXPECT_EQ(g.Col(), c.col);
    EXPECT_EQ(g.RowSel(), c.rowSel);
    EXPECT_EQ(g.ColSel(), c.colSel);
  }
}

TEST(Grid, SettingClipFillsTheSelectedBlockOnly) {
  GridStore g = Filled();
  g.Select(1, 1, 2, 2);
  g.SetClip("a\tb\tc\rd\te\rf");
  EXPECT_EQ(g.TextAt(1, 1), "a");
  EXPECT_EQ(g.TextAt(1, 2), "b");
  EXPECT_EQ(g.TextAt(1, 3), "1,3");
  EXPECT_EQ(g.TextAt(2, 1), "d");
  EXPECT_EQ(g.TextAt(2, 2), "e");
  EXPECT_EQ(g.TextAt(3, 1), "3,1");
}

TEST(Grid, GridFunctionsLeaveTheCurrentCellWhereTheySetIt) {
  GridStore g = Filled();
  EXPECT_EQ(GetCellText(g, 2, 3), "2,3");
  EXPECT_EQ(g.Row(), 2);
  EXPECT_EQ(g.Col(), 3);
  SetCellText(g, 3, 1, "x");
  EXPECT_EQ(g.Text(), "x");
  EXPECT_EQ(g.Row(), 3);
  EXPECT_EQ(g.Col(), 1);
}

TEST(Grid, CopyPutsTheBlockOnTheClipboard) {
  GridStore g = Filled();
  CopyRange(g, 3, 3, 2, 2);
  EXPECT_EQ(Clipboard().GetText(), "2,2\t2,3\r3,2\t3,3");
  g.Select(1, 1, 1, 2);
  CopySelection(g);
  EXPECT_EQ(Clipboard().GetText(), "1,1\t1,2");
}

TEST(Grid, FormatsFollowFillStyle) {
  GridStore g = Filled();
  g.Select(0, 0, 0, 3);
  g.SetFillStyle(1);
  g.SetCellAlignment(kAlignCenterCenter);
  for (int c = 0; c < 4; ++c) EXPECT_EQ(g.FormatAt(0, c).alignment, kAlignCenterCenter);
  EXPECT_EQ(g.FormatAt(1, 0).alignment, -1);
  g.SetFillStyle(0);
  g.Select(2, 2, 3, 3);
  g.SetCellBackColor(0xFF0000);
  EXPECT_TRUE(g.FormatAt(2, 2).hasBackColor);
  EXPECT_FALSE(g.FormatAt(3, 3).hasBackColor);
  g.SetColAlignment(0, kAlignCenterCenter);
  g.SetColWidth(2, 1500);
  g.SetColHidden(3, true);
  EXPECT_EQ(g.ColAlignment(0), kAlignCenterCenter);
  EXPECT_EQ(g.ColWidth(2), 1500);
  EXPECT_TRUE(g.ColHidden(3));
}

TEST(Grid, AdoptedColumnsShowValuesNullsAndRowNumbers) {
  std::vector<TextColumn> cols(2);
  cols[0].Append("a");
  cols[0].AppendNull();
  cols[1].Append("x");
  cols[1].Append("");
  GridStore g;
  g.SetRows(3);
  g.SetCols(3);
  g.AdoptColumns(std::move(cols), "<NULL>");
  EXPECT_EQ(g.TextAt(1, 0), "1");
  EXPECT_EQ(g.TextAt(2, 0), "2");
  EXPECT_EQ(g.TextAt(1, 1), "a");
  EXPECT_EQ(g.TextAt(2, 1), "<NULL>");
  EXPECT_EQ(g.TextAt(2, 2), "");
  SetCellText(g, 2, 1, "edited");
  EXPECT_EQ(GetRangeText(g, 1, 0, 2, 2), "1\ta\tx\r2\tedited\t");
  g.Clear(1, 1);
  EXPECT_EQ(g.TextAt(1, 1), "");
  EXPECT_EQ(g.TextAt(2, 1), "");
}

TEST(Grid, AutoSizeMeasuresTheLongestTextsOfALongColumn) {
  const int n = 100000;
  std::vector<TextColumn> cols(1);
  for (int r = 0; r < n; ++r) cols[0].Append(r == 77777 ? std::string(300, 'w') : "v");
  GridStore g;
  g.SetRows(n + 1);
  g.SetCols(2);
  g.AdoptColumns(std::move(cols), "");
  SetCellText(g, 0, 1, "header");
  int measured = 0;
  g.AutoSize(1, 1, [&](std::string_view t) {
    ++measured;
    return static_cast<int>(t.size()) * 15;
  });
  EXPECT_EQ(g.ColWidth(1), 300 * 15);
  EXPECT_LT(measured, 2000) << "measures a bounded sample, not every row";
  g.AutoSize(0, 0, [](std::string_view t) { return static_cast<int>(t.size()) * 15; });
  EXPECT_EQ(g.ColWidth(0), 6 * 15) << "the widest row number";
}

TEST(Grid, ListenerHearsChangesUnlessRedrawIsOff) {
  GridStore g = Filled();
  int cells = 0, resets = 0;
  GridStore::Listener l;
  l.cellsChanged = [&](int, int, int, int) { ++cells; };
  l.reset = [&] { ++resets; };
  g.SetListener(l);
  SetCellText(g, 1, 1, "a");
  EXPECT_EQ(cells, 1);
  g.SetRedraw(false);
  SetCellText(g, 1, 1, "b");
  EXPECT_EQ(cells, 1);
  g.SetRedraw(true);
  EXPECT_EQ(resets, 1);
}

}  // namespace
