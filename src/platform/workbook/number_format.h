#pragma once
// Number format masks as the spreadsheet shows values through them
// ("0.00", "$#,##0.00", "0.00_);(0.00)", "mm/dd/yyyy", "@", ...): enough to
// give a cell's displayed text, to fit column widths to it, and to know
// which cells hold dates.
#include <string>
#include <string_view>

namespace qvl::workbook::detail {

// The built-in formats of the file format (U.S. English), by id; "" for an
// id that is not built in.
std::string_view BuiltInFormat(int id);
// The built-in id of a mask, -1 when it is not one.
int BuiltInFormatId(std::string_view mask);

// Masks whose numbers are dates or times.
bool IsDateFormat(std::string_view mask);
// The text format: numbers typed into such a cell stay text.
inline bool IsTextFormat(std::string_view mask) { return mask == "@"; }

// A value as a cell with this mask shows it.
std::string FormatNumber(double value, std::string_view mask);
std::string FormatText(std::string_view text, std::string_view mask);
// A number under the "General" mask: at most 11 characters, then rounded or
// in exponent form ("1234.5", "0.333333333", "1.23457E+11").
std::string GeneralNumber(double value);

// A date serial of the workbook's 1900 date system (1 is 1/1/1900, 60 the
// 2/29/1900 the system counts, 61 is 3/1/1900) as year, month and day.
struct SerialDate {
  int year = 1900, month = 1, day = 0;
  int weekday = 7;  // 1 Sunday .. 7 Saturday
  int hour = 0, minute = 0, second = 0;
};
// false for serials outside 0 .. 12/31/9999.
bool FromSerial(double serial, SerialDate& out);

}  // namespace qvl::workbook::detail
