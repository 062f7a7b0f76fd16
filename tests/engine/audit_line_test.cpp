#include "engine/audit_line.h"

#include <gtest/gtest.h>

namespace qvl {
namespace {

TEST(AuditLine, SixFieldsAsStoredWithoutSeparators) {
  InputRecord r;
  r.SetCompany("12");
  r.SetDate("20260305");
  r.SetDivision("1");
  r.SetBranch("22");
  r.SetDepartment("333333");
  r.SetAccount("500-100");
  r.SetHours("8.00");
  r.SetDebits("125.50");
  r.SetCredits("         .00");  // right-aligned as the record holds it

  const std::string line = AuditLine(r);
  ASSERT_EQ(line.size(), 64u);
  EXPECT_EQ(line,
            "1     "
            "22    "
            "333333"
            "500-100           "
            "125.50        "
            "         .00  ");
}

}  // namespace
}  // namespace qvl
