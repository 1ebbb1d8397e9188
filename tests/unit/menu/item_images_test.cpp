#include "menu/item_images.h"

#include <gtest/gtest.h>

namespace {

// Only the identity of items matters here.
TMenuItem* const ItemA = reinterpret_cast<TMenuItem*>(0x10);
TMenuItem* const ItemB = reinterpret_cast<TMenuItem*>(0x20);

TEST(ItemImages, LookupsTakeTheFirstEntryForAnItem) {
  TItemImages images;
  images.Add();  // no item: never found
  TItemImage& first = images.Add();
  first.MenuItem = ItemA;
  first.Hint = L"first";
  TItemImage& second = images.Add();
  second.MenuItem = ItemA;
  second.Hint = L"second";
  EXPECT_EQ(images.Find(ItemA), &first);
  EXPECT_EQ(images.Find(ItemB), nullptr);
  EXPECT_EQ(images.Find(nullptr), nullptr);
}

TEST(ItemImages, RemovingAnItemRemovesAllItsEntries) {
  TItemImages images;
  for (TMenuItem* item : {ItemA, ItemB, ItemA}) images.Add().MenuItem = item;
  TItemImage& kept = images.Items(1);
  images.RemoveItem(ItemA);
  ASSERT_EQ(images.Count(), 1);
  EXPECT_EQ(&images.Items(0), &kept);  // entries stay where they are
}

TEST(ItemImages, LookupsFollowEntriesThatComeAndGo) {
  TItemImages images;
  for (TMenuItem* item : {ItemA, ItemB}) images.Add().MenuItem = item;
  EXPECT_EQ(images.Find(ItemB), &images.Items(1));
  images.RemoveItem(ItemA);
  EXPECT_EQ(images.Find(ItemA), nullptr);
  EXPECT_EQ(images.Find(ItemB), &images.Items(0));
  images.Add().MenuItem = ItemA;
  EXPECT_EQ(images.Find(ItemA), &images.Items(1));
  images.Delete(0);
  EXPECT_EQ(images.Find(ItemB), nullptr);
  EXPECT_EQ(images.Find(ItemA), &images.Items(0));
  images.Clear();
  EXPECT_EQ(images.Find(ItemA), nullptr);
}

TEST(ItemImages, IndexesBelowMinusOneAreRefused) {
  TItemImage entry;
  EXPECT_EQ(entry.ImageIndex(), -1);
  entry.SetImageIndex(3);
  entry.SetImageIndex(-2);
  EXPECT_EQ(entry.ImageIndex(), 3);
  entry.SetImageIndex(-1);
  EXPECT_EQ(entry.ImageIndex(), -1);
}

TEST(ItemImages, IndexesPastTheListAreForgotten) {
  TItemImages images;
  for (int index : {0, 1, 2, -1}) images.Add().SetImageIndex(index);
  images.ForgetImagesFrom(2);
  EXPECT_EQ(images.Items(0).ImageIndex(), 0);
  EXPECT_EQ(images.Items(1).ImageIndex(), 1);
  EXPECT_EQ(images.Items(2).ImageIndex(), -1);
  images.ForgetImagesFrom(0);
  EXPECT_EQ(images.Items(0).ImageIndex(), -1);
}

}  // namespace
