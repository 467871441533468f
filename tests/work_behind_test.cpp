#include "core/work_behind.hpp"

#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>
#include <vector>

namespace brelosta {
namespace {

struct Numbers {
  std::vector<int> values;
  void clear() { values.clear(); }
};

// Batches are worked through whole and in order, behind the caller; a job
// never handed on is worked at finish() on the caller's thread.
TEST(WorkBehind, WorksEveryBatchInOrder) {
  for (const int batches : {0, 1, 500}) {
    std::vector<int> worked;
    std::vector<std::thread::id> threads;
    WorkBehind<Numbers> behind([&](Numbers& batch) {
      worked.insert(worked.end(), batch.values.begin(), batch.values.end());
      threads.push_back(std::this_thread::get_id());
    });
    std::vector<int> expected;
    int next = 0;
    for (int b = 0; b < batches; ++b) {
      for (int k = 0; k < 7; ++k) behind.filling().values.push_back(next++);
      behind.handOn();
      EXPECT_TRUE(behind.filling().values.empty());
    }
    behind.filling().values.push_back(next++);
    behind.finish();
    for (int k = 0; k < next; ++k) expected.push_back(k);
    EXPECT_EQ(worked, expected);
    ASSERT_FALSE(threads.empty());
    EXPECT_EQ(threads.back(), std::this_thread::get_id());
    if (batches > 0) {
      EXPECT_NE(threads.front(), std::this_thread::get_id());
    }
  }
}

// What a batch throws reaches the caller at a later hand-over or at finish,
// once; the batches after it are not worked on.
TEST(WorkBehind, ThrowsWhatTheWorkThrewToTheCaller) {
  for (const bool atFinish : {false, true}) {
    int worked = 0;
    WorkBehind<Numbers> behind([&](Numbers& batch) {
      ++worked;
      if (batch.values.front() == 1) throw std::runtime_error("lleno");
    });
    bool thrown = false;
    try {
      for (int b = 0; b < (atFinish ? 2 : 100); ++b) {
        behind.filling().values.push_back(b);
        behind.handOn();
      }
      behind.finish();
    } catch (const std::runtime_error& error) {
      EXPECT_STREQ(error.what(), "lleno");
      thrown = true;
    }
    EXPECT_TRUE(thrown);
    EXPECT_EQ(worked, 2);
  }
}

// A job let go without finishing waits for its thread and drops the rest.
TEST(WorkBehind, StopsWithoutFinishing) {
  int worked = 0;
  {
    WorkBehind<Numbers> behind([&](Numbers&) { ++worked; });
    behind.filling().values.push_back(1);
    behind.handOn();
    behind.filling().values.push_back(2);
  }
  EXPECT_EQ(worked, 1);
}

}  // namespace
}  // namespace brelosta
