#include "core/write_behind.hpp"

#include <gtest/gtest.h>

#include <string>

namespace brelosta {
namespace {

// Many pieces, some larger than a chunk, arrive whole and in order, and a
// small file is written at the end on the caller's thread.
TEST(WriteBehind, HandsEveryByteOnInOrder) {
  for (const std::size_t pieces : {std::size_t{3}, std::size_t{20000}}) {
    std::string written;
    std::string expected;
    WriteBehind behind([&](std::string_view bytes) {
      written += bytes;
      return true;
    });
    for (std::size_t k = 0; k < pieces; ++k) {
      const std::string piece = std::to_string(k) + std::string(k % 1000 == 0 ? 300000 : 17, static_cast<char>('a' + k % 26));
      expected += piece;
      behind.write(piece);
    }
    EXPECT_TRUE(behind.finish());
    EXPECT_FALSE(behind.failed());
    EXPECT_EQ(written.size(), expected.size());
    EXPECT_TRUE(written == expected);
  }
}

// A write that fails is told at the end, and nothing after it is written.
TEST(WriteBehind, TellsAFailedWriteAndWritesNothingAfterIt) {
  int calls = 0;
  std::size_t writtenAfterFailure = 0;
  WriteBehind behind([&](std::string_view bytes) {
    ++calls;
    if (calls > 2) writtenAfterFailure += bytes.size();
    return calls != 2;
  });
  const std::string chunk(std::size_t{3} << 20, 'x');
  for (int k = 0; k < 6; ++k) behind.write(chunk);
  EXPECT_FALSE(behind.finish());
  EXPECT_TRUE(behind.failed());
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(writtenAfterFailure, 0U);
}

// A writer let go without finishing waits for its thread and drops the rest.
TEST(WriteBehind, StopsWithoutFinishing) {
  std::size_t written = 0;
  {
    WriteBehind behind([&](std::string_view bytes) {
      written += bytes.size();
      return true;
    });
    behind.write(std::string(std::size_t{3} << 20, 'y'));
    behind.write("the rest");
  }
  EXPECT_EQ(written, std::size_t{3} << 20);
}

}  // namespace
}  // namespace brelosta
