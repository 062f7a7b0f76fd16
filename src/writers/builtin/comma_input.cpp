#include "writers/builtin/comma_input.h"

#include <optional>

#include "engine/input_record.h"
#include "platform/files/comma_list.h"
#include "platform/vb/error.h"

namespace qvl {

std::vector<std::string> ExportLineValues(std::string_view line) {
  std::optional<std::vector<std::string>> values = files::SplitAsItStands(line, InputRecord::kValueFields);
  if (!values) throw vb::Error(vb::kInvalidProcedureCall, "The line does not hold the nine values of the export.");
  return std::move(*values);
}

InputRecord RecordOfExportLine(const std::vector<std::string>& values) {
  return RecordOfLine({.date = values[InputRecord::kDate],
                       .account = values[InputRecord::kAccount],
                       .debits = values[InputRecord::kDebits],
                       .credits = values[InputRecord::kCredits]});
}

void RegisterCommaInputWriters(FinPacCatalog& catalog) {
  RegisterBlackbaudV760Writer(catalog);
  RegisterBMSIWriter(catalog);
  RegisterFalconWriter(catalog);
  RegisterFiservFFSWriter(catalog);
  RegisterFTIWriter(catalog);
  RegisterGPPayrollConnectWriter(catalog);
  RegisterNorthstarWriter(catalog);
}

}  // namespace qvl
