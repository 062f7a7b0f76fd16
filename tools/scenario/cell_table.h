#pragma once
// A workbook's cells as a text table, so that a scenario can pin every cell
// of a journal workbook the way it pins a text file. One line per cell that
// holds a value, five fields separated by tabs:
//
//   SHEET <tab> CELL <tab> TYPE <tab> FORMAT <tab> VALUE
//
//   Journal_Headers <tab> H2 <tab> date <tab> m/d/yyyy <tab> 11/30/2026
//   Sheet1 <tab> J2 <tab> number <tab> $#,##0.00 <tab> 1000
//
// SHEET is the worksheet's name, CELL its A1 address ("B12"). TYPE is what the
// cell holds as a program reads it: number, text, date (a number shown through
// a date format), boolean, error or formula. FORMAT is the cell's number
// format ("General" when it has none). VALUE runs to the end of the line, so
// a text keeps its blanks: a number in its shortest exact form in plain
// digits ("1234.5", "-20", "0.30000000000000004", "2000000000"), a date as m/d/yyyy, a text as its bytes with
// tab, CR and LF written \t, \r and \n, a boolean TRUE or FALSE, an error by
// its name ("#DIV/0!"), a formula as written ("=SUM(D2:D9)"). A text cell
// holding the empty text is listed with an empty VALUE; cells with a format
// and no value are not listed. Empty lines of a table are passed over.
#include <filesystem>
#include <ostream>
#include <string>

namespace qvl::scenario {

// Compares the table in `expectedTable` with the cells of `workbook`, cell by
// cell whatever the order of the table's lines, and reports each cell that
// differs, is missing or is not expected, a missing or unreadable workbook,
// and a table line that is not five fields or names a cell twice. `name` is
// the workbook's path as the report shows it.
bool SameCells(const std::filesystem::path& expectedTable, const std::filesystem::path& workbook,
               const std::string& name, std::ostream& report);

}  // namespace qvl::scenario
