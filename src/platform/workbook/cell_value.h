#pragma once
// What a cell holds, as the spreadsheet hands it to a program: empty, a
// number, a date, text, a boolean or an error value.
#include <cstdint>
#include <string>
#include <utility>

namespace qvl::workbook {

class CellValue {
 public:
  enum class Type : std::uint8_t { Empty, Number, Date, Text, Boolean, Error };

  CellValue() = default;  // empty
  static CellValue Number(double value);
  // A date serial of the workbook's 1900 date system (3/1/1900 is 61).
  static CellValue Date(double serial);
  static CellValue Text(std::string text);  // Windows-1252
  static CellValue Boolean(bool value);
  // An error value by its code in the file format (0x07 is #DIV/0!).
  static CellValue Error(int code);

  Type type() const { return type_; }
  bool IsEmpty() const { return type_ == Type::Empty; }
  double number() const { return number_; }          // Number, Date serial, Boolean 1/0
  const std::string& text() const { return text_; }  // Text
  bool boolean() const { return number_ != 0; }
  int errorCode() const { return static_cast<int>(number_); }
  std::string ErrorName() const;  // "#DIV/0!", "#VALUE!", ...

  // As the program's CStr turns the value into text: "12.5", "10/9/2009",
  // "True", "" for an empty cell, "Error 2007" for #DIV/0!.
  std::string ToText() const;
  // As CDbl: an empty cell is 0, True is -1, numeric text its number; other
  // text and error values raise vb::Error 13 "Type mismatch".
  double ToDouble() const;

  friend bool operator==(const CellValue&, const CellValue&) = default;

 private:
  CellValue(Type type, double number, std::string text = {})
      : type_(type), number_(number), text_(std::move(text)) {}

  Type type_ = Type::Empty;
  double number_ = 0;
  std::string text_;
};

}  // namespace qvl::workbook
