#include "engine/audit_line.h"

namespace qvl {

std::string AuditLine(const InputRecord& record) {
  std::string line;
  AuditLineInto(record, line);
  return line;
}

void AuditLineInto(const InputRecord& record, std::string& line) {
  line.clear();
  line.reserve(kAuditLineLength);
  for (InputRecord::Field f : {InputRecord::kDivision, InputRecord::kBranch, InputRecord::kDepartment,
                               InputRecord::kAccount, InputRecord::kDebits, InputRecord::kCredits})
    line += record.View(f);
}

}  // namespace qvl
