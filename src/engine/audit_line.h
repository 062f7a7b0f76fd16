#pragma once
// The audit trail's line for one written record: division, branch,
// department, account, debits and credits exactly as the record stores them,
// blanks included, side by side without separators (64 characters).
#include <string>

#include "engine/input_record.h"

namespace qvl {

inline constexpr std::size_t kAuditLineLength = 64;

std::string AuditLine(const InputRecord& record);
// The same into `line`, which keeps its storage.
void AuditLineInto(const InputRecord& record, std::string& line);

}  // namespace qvl
