#include "platform/workbook/cell_value.h"

#include "platform/vb/convert.h"
#include "platform/vb/date.h"
#include "platform/vb/error.h"

namespace qvl::workbook {

CellValue CellValue::Number(double value) { return {Type::Number, value}; }
CellValue CellValue::Date(double serial) { return {Type::Date, serial}; }
CellValue CellValue::Text(std::string text) { return {Type::Text, 0, std::move(text)}; }
CellValue CellValue::Boolean(bool value) { return {Type::Boolean, value ? 1.0 : 0.0}; }
CellValue CellValue::Error(int code) { return {Type::Error, static_cast<double>(code)}; }

std::string CellValue::ErrorName() const {
  switch (errorCode()) {
    case 0x00: return "#NULL!";
    case 0x07: return "#DIV/0!";
    case 0x0F: return "#VALUE!";
    case 0x17: return "#REF!";
    case 0x1D: return "#NAME?";
    case 0x24: return "#NUM!";
    default: return "#N/A";
  }
}

std::string CellValue::ToText() const {
  switch (type_) {
    case Type::Empty:
      return "";
    case Type::Number:
      return vb::CStr(number_);
    case Type::Date: {
      // The workbook counts a 29 February 1900; the program's dates do not.
      double serial = number_ < 61 ? number_ + 1 : number_;
      if (serial < 0 || serial > 2958466) return vb::CStr(number_);
      return vb::CStr(vb::Date::FromSerial(serial));
    }
    case Type::Text:
      return text_;
    case Type::Boolean:
      return boolean() ? "True" : "False";
    case Type::Error:
      return "Error " + std::to_string(2000 + errorCode());
  }
  return "";
}

double CellValue::ToDouble() const {
  switch (type_) {
    case Type::Empty:
      return 0;
    case Type::Number:
    case Type::Date:
      return number_;
    case Type::Boolean:
      return boolean() ? -1 : 0;
    case Type::Text:
      return vb::CDbl(text_);
    case Type::Error:
      break;
  }
  throw vb::TypeMismatch();
}

}  // namespace qvl::workbook
