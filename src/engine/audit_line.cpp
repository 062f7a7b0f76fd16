#include "engine/audit_line.h"

namespace qvl {

std::string AuditLine(const InputRecord& record) {
  std::string line;
  line.reserve(kAuditLineLength);
  for (InputRecord::Field f : {InputRecord::kDivision, InputRecord::kBranch, InputRecord::kDepartment,
                               InputRecord::kAccount, InputRecord::kDebits, InputRecord::kCredits})
    line += record.Get(f);
  return line;
}

}  // namespace qvl
