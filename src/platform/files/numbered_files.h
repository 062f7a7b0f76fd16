#pragma once
// Numbered files for reading: text files read by comma lists or whole lines,
// and files of fixed 89-byte records read next or by number. Paths are
// Windows-style and go through platform/paths; bytes pass unchanged.
//
// End of file follows two different rules, as the callers' loops expect:
//  - text: false until a read finds nothing left; that read fails with
//    error 62 ("Input past end of file"), leaves its target as it was, and
//    end of file is true from then on. A loop that reads one line ahead
//    therefore hands on every line, the last one included.
//  - records: true only after a record read that found no complete record.
//
// Errors are qvl::vb::Error: 53 file not found and 76 path not found at open,
// 52 for a number that is not open (or out of range), 54 for a read that does
// not fit the open mode, 62 for a text read past the end, 63 for a record
// number below 1.
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/files/comma_list.h"

namespace qvl::files {

inline constexpr std::size_t kRecordLength = 89;

class FileTable {
 public:
  static constexpr int kMaxNumber = 511;

  // Opening a number that is still open closes the stale file first, so a
  // file left open by a run that gave up never blocks the next run.
  void OpenText(int number, std::string_view windowsPath);
  void OpenRecords(int number, std::string_view windowsPath);
  bool IsOpen(int number) const;
  // Closing a number that is not open does nothing.
  void Close(int number);
  void CloseAll();

  // Comma-list read: `count` values from the next line that is not blank
  // (blank lines hold no values and are passed over). See CommaValues for
  // lines that hold fewer or more values.
  CommaValues InputValues(int number, std::size_t count);               // error 62 at the end
  std::optional<CommaValues> ReadValues(int number, std::size_t count);  // nullopt at the end

  // Whole-line read: the bytes up to the next CR LF, CR or LF, without it.
  void LineInput(int number, std::string& target);       // error 62 at the end, target unchanged
  std::optional<std::string> ReadLine(int number);       // nullopt at the end

  // Record reads: the next record, or record `recordNumber` (from 1). True
  // and all 89 bytes in `record` when a complete record was there; false,
  // `record` unchanged and end of file set otherwise. The read after record n
  // is record n + 1.
  bool GetRecord(int number, std::string& record);
  bool GetRecord(int number, std::int64_t recordNumber, std::string& record);
  // Complete records: whole 89-byte records plus a final fragment of at least
  // 87 bytes (a last record without its line end, which reads as if it had
  // CR LF).
  std::int64_t RecordCount(int number) const;
  // True when the file ends in a fragment too short to be a record; that
  // fragment is never read, and callers warn once.
  bool LastRecordIncomplete(int number) const;

  bool Eof(int number) const;
  // The number (from 1) of the last line read, blank lines counted, or of
  // the last record read; 0 before the first read.
  std::int64_t LineNumber(int number) const;
  bool ReadsRecords(int number) const;
  // Length in bytes.
  std::int64_t Lof(int number) const;

 private:
  enum class Mode { kText, kRecords };
  // An open host file, closed with its owner.
  class Descriptor {
   public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    Descriptor(Descriptor&& other) noexcept;
    Descriptor& operator=(Descriptor&& other) noexcept;
    ~Descriptor();
    int get() const { return fd_; }

   private:
    int fd_;
  };
  // The file is read in blocks through `window`, so an input of any length
  // takes the same memory; its length is taken at open.
  struct OpenFile {
    Mode mode = Mode::kText;
    Descriptor fd;
    std::int64_t size = 0;
    std::string window;            // bytes of the file from windowStart on
    std::int64_t windowStart = 0;
    std::size_t pos = 0;          // text: the next byte to read, in window
    std::int64_t line = 0;        // the number of the last line or record read
    std::int64_t nextRecord = 1;  // records: the record a next-read takes
    bool eof = false;
  };

  void Open(int number, std::string_view windowsPath, Mode mode);
  OpenFile& Get(int number, Mode mode);
  const OpenFile& Get(int number) const;
  static std::optional<std::string_view> NextLine(OpenFile& file);
  static bool ReadMore(OpenFile& file);

  std::map<int, OpenFile> files_;
};

}  // namespace qvl::files
