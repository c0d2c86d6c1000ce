// DYNARRAY: owned items, growth, reports for bad positions, tokens and the
// line reader.
#include <gtest/gtest.h>

#include <string>

#include "foundation/dynarray.h"
#include "tests/foundation/support.h"

namespace {

using testsupport::ReportCapture;

std::string Text(const STRING* s) { return s->Buffer == nullptr ? "<null string>" : std::string(s->Buffer, s->StrLen); }

TEST(DynArray, OwnsCopiesAndGrowsBy64) {
  DYNARRAY a;
  EXPECT_EQ(a.MaxItems, 64);
  STRING item(256);
  item.Append("x");
  item.Flags = STRINGFLAG_BYTES;
  for (int i = 0; i < 64; ++i) a.Add(item);
  EXPECT_EQ(a.MaxItems, 64);
  a.Add(STRING());
  EXPECT_EQ(a.MaxItems, 128) << "the 65th item grows the slots";
  EXPECT_EQ(a.Count(), 65);
  EXPECT_EQ(a.ItemAt(64)->Buffer, nullptr) << "null items are kept";
  EXPECT_EQ(a.ItemAt(0)->BlockSize, 256) << "copies keep block size and flags";
  EXPECT_EQ(a.ItemAt(0)->Flags, STRINGFLAG_BYTES);
  item.Append("changed");
  EXPECT_EQ(Text(a.ItemAt(0)), "x");
  a.ItemAt(1)->Append("y");
  EXPECT_EQ(Text(a.ItemAt(1)), "xy") << "items change in place";
  EXPECT_EQ(a.ppItems[65], nullptr);

  a.InsertAt(0, STRING("first"));
  a.RemoveAt(2);
  EXPECT_EQ(Text(a.ItemAt(0)), "first");
  EXPECT_EQ(Text(a.ItemAt(1)), "x");
  EXPECT_EQ(a.Count(), 65);
  a.Swap(0, 64);
  EXPECT_EQ(Text(a.ItemAt(64)), "first");

  DYNARRAY copy;
  copy.CopyFrom(a);
  EXPECT_EQ(copy.Count(), 65);
  EXPECT_EQ(copy.MaxItems, 128);
  EXPECT_EQ(Text(copy.ItemAt(64)), "first");
  a.Clear();
  EXPECT_EQ(a.MaxItems, 0);
  a.Add(STRING("again"));
  EXPECT_EQ(Text(a.ItemAt(0)), "again");
  EXPECT_EQ(Text(copy.ItemAt(64)), "first");
}

TEST(DynArray, BadPositionsAreReported) {
  ReportCapture capture;
  DYNARRAY a(STRING("a|b|c|d|e"), "|");
  ASSERT_EQ(a.Count(), 5);
  a.InsertAt(7, STRING("x"));
  a.InsertAt(-1, STRING("x"));
  STRING* outside = a.ItemAt(5);
  EXPECT_EQ(outside->Buffer, nullptr);
  outside->Append("scribble");
  EXPECT_EQ(a.ItemAt(64)->Buffer, nullptr) << "the stand-in keeps nothing";
  a.RemoveAt(5);
  a.Swap(0, 9);
  EXPECT_EQ(a.Count(), 5);
  EXPECT_EQ(Text(a.ItemAt(0)), "a");
  ASSERT_EQ(capture.Conditions(),
            (std::vector<std::string>{"pos>=0 && pos<=this->ItemCount", "pos>=0 && pos<=this->ItemCount",
                                      "i<this->ItemCount", "i>=0 && i<this->MaxItems", "pos>=0 && pos<this->ItemCount",
                                      "pos2>=0 && pos2<this->ItemCount"}));
  EXPECT_EQ(capture.Reports()[0].Info, "7/5");
  EXPECT_EQ(capture.Reports()[2].Info, "i==5");
  DYNARRAY base;
  capture.Clear();
  STRING x("1"), y("2");
  EXPECT_EQ(base.Compare(&x, &y, 0), 0);
  EXPECT_EQ(capture.Conditions(), std::vector<std::string>{"FALSE"});
  EXPECT_LT(DYNARRAY::CompareValues(&x, &y, 0), 0);
  STRING ten("10");
  EXPECT_EQ(DYNARRAY::CompareValues(&ten, &y, 2), 8);
}

TEST(DynArray, TokensKeepEmptyItems) {
  DYNARRAY a(STRING("a||b|"), "|");
  ASSERT_EQ(a.Count(), 4);
  EXPECT_EQ(Text(a.ItemAt(1)), "");
  EXPECT_EQ(Text(a.ItemAt(3)), "");
  EXPECT_EQ(DYNARRAY(STRING(), "|").Count(), 0);
}

using LineReader = testsupport::ScratchTest;

TEST_F(LineReader, LinesOfAnyLength) {
  std::string longLine(1 << 20, 'L');
  longLine[40000] = '\r';  // a lone CR stays
  std::string name = In("lines.txt");
  testsupport::WriteFile(name, "one\r\n\r\n" + longLine + "\r\nlast");
  DYNARRAY a;
  EXPECT_EQ(a.LoadLines(name.c_str(), false), 4);
  ASSERT_EQ(a.Count(), 4);
  EXPECT_EQ(Text(a.ItemAt(0)), "one");
  EXPECT_EQ(Text(a.ItemAt(1)), "") << "empty lines are items";
  EXPECT_EQ(Text(a.ItemAt(2)), longLine);
  EXPECT_EQ(Text(a.ItemAt(3)), "last");

  DYNARRAY b;
  b.Add(STRING("kept"));
  testsupport::WriteFile(name, "a\\tb\nc\\\\d\n\n");
  EXPECT_EQ(b.LoadLines(name.c_str(), true), 3);
  ASSERT_EQ(b.Count(), 4);
  EXPECT_EQ(Text(b.ItemAt(0)), "a\tb");
  EXPECT_EQ(Text(b.ItemAt(1)), "c\\d");
  EXPECT_EQ(Text(b.ItemAt(3)), "kept") << "the lines go in at positions 0, 1, 2";
  EXPECT_EQ(b.LoadLines(In("missing").c_str(), false), 0);
}

TEST_F(LineReader, Byte26EndsTheData) {
  std::string name = In("eof.txt");
  testsupport::WriteFile(name, "a\nb\x1a" "c\nd\n");
  DYNARRAY a;
  EXPECT_EQ(a.LoadLines(name.c_str(), false), 2);
  EXPECT_EQ(Text(a.ItemAt(1)), "b");
}

}  // namespace
