#include "folder/link_target_scan.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes BytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

// The pattern with the two free bytes set to `a` and `b`.
Bytes Pattern(std::uint8_t a = 0x12, std::uint8_t b = 0x34) {
  Bytes bytes = {0x00, 0x00, 'W', 'I', 'N', 'D', 'O', 'W', 'S', a, b, 0x00};
  return bytes;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

std::optional<std::string> Scan(const Bytes& bytes) { return ScanLinkTarget(bytes); }

}  // namespace

TEST(LinkTargetScan, PathFollowsThePatternUpToItsEnd) {
  EXPECT_EQ(Scan(Concat({BytesOf("L\x01garbage"), Pattern(), BytesOf("C:\\Tools\\Bin"), {0x00, 'x'}})),
            "C:\\Tools\\Bin");
  // The data may end right after the path, or right after the pattern.
  EXPECT_EQ(Scan(Concat({Pattern(), BytesOf("C:\\Tools")})), "C:\\Tools");
  EXPECT_EQ(Scan(Pattern()), "");
}

TEST(LinkTargetScan, BytesNineAndTenAreNotCompared) {
  EXPECT_EQ(Scan(Concat({Pattern(0x00, 0x00), BytesOf("A")})), "A");
  EXPECT_EQ(Scan(Concat({Pattern(0xFF, '.'), BytesOf("B")})), "B");
  Bytes wrongTail = Concat({Pattern(), BytesOf("C")});
  wrongTail[11] = 0x01;
  EXPECT_EQ(Scan(wrongTail), std::nullopt);
  Bytes wrongLetter = Concat({Pattern(), BytesOf("C")});
  wrongLetter[2] = 'w';
  EXPECT_EQ(Scan(wrongLetter), std::nullopt);
}

TEST(LinkTargetScan, FirstMatchWins) {
  EXPECT_EQ(Scan(Concat({Pattern(), BytesOf("first"), {0x00}, Pattern(), BytesOf("second")})), "first");
}

TEST(LinkTargetScan, ElevenBytesOrFewerNeverMatch) {
  Bytes eleven = Pattern();
  eleven.pop_back();
  EXPECT_EQ(Scan(eleven), std::nullopt);
  EXPECT_EQ(Scan({}), std::nullopt);
  EXPECT_EQ(Scan(BytesOf("no pattern at all in these bytes")), std::nullopt);
}

TEST(LinkTargetScan, DotKeepsThreeBytesAsTheyAre) {
  EXPECT_EQ(Scan(Concat({Pattern(), BytesOf("C:\\Apps\\tool.exe and more")})), "C:\\Apps\\tool.exe");
  // A folder name with a dot is cut after three bytes: the rule is about file names.
  EXPECT_EQ(Scan(Concat({Pattern(), BytesOf("C:\\My.Documents\\x")})), "C:\\My.Doc");
  // The three bytes are taken whatever they are, zero bytes included.
  EXPECT_EQ(Scan(Concat({Pattern(), BytesOf("C:\\a."), {0x00, 'b', 0x00, 'c'}})), std::string("C:\\a.\0b\0", 8));
}

TEST(LinkTargetScan, DataEndingEarlyGivesWhatThereIs) {
  EXPECT_EQ(Scan(Concat({Pattern(), BytesOf("C:\\a.e")})), "C:\\a.e");
  EXPECT_EQ(Scan(Concat({Pattern(), BytesOf("C:\\a.")})), "C:\\a.");
  EXPECT_EQ(Scan(Concat({Pattern(), BytesOf("C:\\a")})), "C:\\a");
}

TEST(LinkTargetScan, ShiftJisBytesPassThrough) {
  const Bytes folder = {'C', ':', '\\', 0x83, 0x74, 0x83, 0x48, 0x83, 0x8B, 0x83, 0x5F};  // フォルダ
  EXPECT_EQ(Scan(Concat({Pattern(), folder, {0x00}})), std::string(folder.begin(), folder.end()));
}

// Arbitrary data, some of it seeded with the pattern: never a crash, never a read past the
// end (AddressSanitizer watches the exact-size copies), and a result only when the pattern is
// present.
TEST(LinkTargetScan, ArbitraryBytesAreHandled) {
  std::mt19937 random(20240611);
  for (int round = 0; round < 20000; ++round) {
    Bytes data(random() % 64);
    for (std::uint8_t& byte : data) byte = static_cast<std::uint8_t>(random() % 4 == 0 ? random() % 256 : "\0\0WINDOWS.."[random() % 11]);
    if (data.size() >= 12 && random() % 3 == 0) {
      const Bytes pattern = Pattern(static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random()));
      std::copy(pattern.begin(), pattern.end(), data.begin() + static_cast<std::ptrdiff_t>(random() % (data.size() - 11)));
    }
    const Bytes exact(data.begin(), data.end());  // heap block of exactly this size
    const auto path = ScanLinkTarget(exact);
    if (path) {
      EXPECT_LE(path->size() + 12, exact.size());
    }
  }
}
