#include "formats/record_layout.hpp"

#include <gtest/gtest.h>

namespace brelosta {
namespace {

struct PlanCase {
  const char* layout;
  RecordFamily family;
  std::vector<int> fieldSlots;
  bool hasHeight;
};

TEST(RecordPlan, PlacesEveryLayoutsFieldsByMeaning) {
  const int id = kIdField;
  const PlanCase cases[] = {
      {"Norte Este", RecordFamily::Grid, {0, 1}, false},
      {"Este Norte", RecordFamily::Grid, {1, 0}, false},
      {"Id Norte Este", RecordFamily::Grid, {id, 0, 1}, false},
      {"Id Este Norte", RecordFamily::Grid, {id, 1, 0}, false},
      {"Norte Este H", RecordFamily::Grid, {0, 1, 2}, true},
      {"Este Norte H", RecordFamily::Grid, {1, 0, 2}, true},
      {"Id Norte Este H", RecordFamily::Grid, {id, 0, 1, 2}, true},
      {"Id Este Norte H", RecordFamily::Grid, {id, 1, 0, 2}, true},
      {"LAT LON", RecordFamily::GeographicDecimal, {0, 1}, false},
      {"LON LAT", RecordFamily::GeographicDecimal, {1, 0}, false},
      {"Id LAT LON H", RecordFamily::GeographicDecimal, {id, 0, 1, 2}, true},
      {"Id LON LAT H", RecordFamily::GeographicDecimal, {id, 1, 0, 2}, true},
      {"LAT LON", RecordFamily::GeographicDms, {0, 1, 2, 3, 4, 5}, false},
      {"LON LAT", RecordFamily::GeographicDms, {3, 4, 5, 0, 1, 2}, false},
      {"Id LAT LON", RecordFamily::GeographicDms, {id, 0, 1, 2, 3, 4, 5}, false},
      {"Id LON LAT", RecordFamily::GeographicDms, {id, 3, 4, 5, 0, 1, 2}, false},
      {"LAT LON H", RecordFamily::GeographicDms, {0, 1, 2, 3, 4, 5, 6}, true},
      {"LON LAT H", RecordFamily::GeographicDms, {3, 4, 5, 0, 1, 2, 6}, true},
      {"Id LAT LON H", RecordFamily::GeographicDms, {id, 0, 1, 2, 3, 4, 5, 6}, true},
      {"Id LON LAT H", RecordFamily::GeographicDms, {id, 3, 4, 5, 0, 1, 2, 6}, true},
  };
  for (const PlanCase& c : cases) {
    const auto plan = recordPlan(c.layout, c.family);
    ASSERT_TRUE(plan) << c.layout;
    EXPECT_EQ(plan->fieldSlots, c.fieldSlots) << c.layout;
    EXPECT_EQ(plan->hasHeight, c.hasHeight) << c.layout;
  }
}

TEST(RecordPlan, ALayoutOfTheOtherFamilyReadsNothing) {
  EXPECT_FALSE(recordPlan("LAT LON", RecordFamily::Grid));
  EXPECT_FALSE(recordPlan("Norte Este", RecordFamily::GeographicDms));
  EXPECT_FALSE(recordPlan("", RecordFamily::Grid));
  EXPECT_FALSE(recordPlan("Norte  Este", RecordFamily::Grid));
}

TEST(SplitRecord, ReadsOneLineOnly) {
  std::vector<Field> scratch;
  const auto plan = *recordPlan("Id Este Norte", RecordFamily::Grid);
  SplitRecord r = splitRecord("\"P1, base\",171071.264,1106908.8542", plan, scratch);
  EXPECT_TRUE(r.complete);
  EXPECT_EQ(r.id, "P1, base");
  EXPECT_EQ(r.slots[0].number, 1106908.8542);
  EXPECT_EQ(r.slots[1].number, 171071.264);
  EXPECT_TRUE(r.slots[2].isNumber());  // no H: height 0
  EXPECT_EQ(r.slots[2].number, 0.0);

  r = splitRecord("P2,171071.264", plan, scratch);
  EXPECT_FALSE(r.complete);
  EXPECT_TRUE(r.slots[0].empty());
  r = splitRecord("P3,1,2,3", plan, scratch);
  EXPECT_FALSE(r.complete);
  EXPECT_EQ(r.slots[0].number, 2.0);
}

}  // namespace
}  // namespace brelosta
