#pragma once
// The drive, folder and file lists. They work on the drive table of
// platform/paths: every path they hold or hand out is in drive form
// ("c:\temp\gl.txt"), and only the drive layer knows the host folders.
#include <string>
#include <string_view>
#include <vector>

#include "platform/forms/list_controls.h"

namespace qvl::forms {

// The folder a bare drive ("c:") stands for: the process's current folder
// when it lies on that drive, else the drive's root ("c:\"). "" when the
// drive is not mapped.
std::string CurrentFolderOn(char drive);
// The current drive: the one holding the process's current folder, else the
// first mapped drive; '\0' when no drive is mapped.
char CurrentDrive();

// True when `name` matches one of the ";"-separated patterns ("*.txt",
// "*.txt;*.csv", "*txt"): "*" any run of characters, "?" one character,
// "*.*" every name; letters compare case-insensitively.
bool MatchesPattern(std::string_view pattern, std::string_view name);

// The mapped drives, each listed as "c: [host folder]".
class DriveList : public ListControl {
 public:
  DriveList(Form& owner, std::string name) : ListControl(owner, Kind::DriveList, std::move(name)) {}
  // "c:" (lower-case letter and colon), "" before a drive was chosen.
  const std::string& Drive() const { return drive_; }
  // Takes the drive letter of "c", "c:", "C:\x" or a list text "c: [...]".
  // A drive that is not mapped is refused (vb::Error 68 "Device
  // unavailable"). Fires onChange when the drive changes; the drive need not
  // be readable (moving a folder list to it is what fails then).
  void SetDrive(std::string_view drive);
  // Reads the drive table again.
  void Refresh();
  Handler onChange;

 private:
  void IndexChanged() override;
  std::string drive_;
};

// An open folder, its ancestors and its subfolders. Positions 0 and up are
// the subfolders of the open folder (sorted case-insensitively); -1 is the
// open folder, -2 its parent, and so on up to the drive's root.
class FolderList : public ListControl {
 public:
  FolderList(Form& owner, std::string name)
      : ListControl(owner, Kind::FolderList, std::move(name)) {}
  // "c:\" for a root, "c:\temp\sub" below it (no trailing "\").
  const std::string& Path() const { return path_; }
  // Opens a folder: a drive-form path ("c:\temp", "C:/Temp", "c:" for the
  // current folder on that drive) or a host path. A drive that is not mapped
  // or whose folder cannot be read is refused (vb::Error 68); a folder that
  // does not exist, vb::Error 76. Existing names are matched
  // case-insensitively and kept as they are on disk. Nothing is highlighted
  // afterwards (ListIndex -1). Fires onChange when the path changes.
  void SetPath(std::string_view path);
  // Full path of a position: >= 0 a subfolder, -1 the open folder, -2 ... its
  // ancestors; "" outside.
  std::string List(int index) const;
  // How many entries stand above position 0 (the open folder and its
  // ancestors).
  int AncestorCount() const { return static_cast<int>(ancestors_.size()); }
  // Reads the open folder again.
  void Refresh();
  // Highlighting an entry (SetListIndex, down to -AncestorCount()) fires
  // onClick; opening one is SetPath(List(index)), which fires onChange.
  Handler onChange;

 private:
  int FirstIndex() const override { return AncestorCount() > 0 ? -AncestorCount() : -1; }
  std::string path_;
  std::vector<std::string> ancestors_;  // root first, the open folder last
};

// The files of a folder that match the pattern, sorted case-insensitively.
class FileList : public ListControl {
 public:
  FileList(Form& owner, std::string name) : ListControl(owner, Kind::FileList, std::move(name)) {}
  const std::string& Path() const { return path_; }
  // A folder that does not exist (or cannot be read) shows no files.
  void SetPath(std::string_view path);
  const std::string& Pattern() const { return pattern_; }
  void SetPattern(std::string pattern);
  // The selected file's name ("" when none).
  std::string FileName() const { return List(ListIndex()); }
  void Refresh();

 private:
  std::string path_;
  std::string pattern_ = "*.*";
};

}  // namespace qvl::forms
