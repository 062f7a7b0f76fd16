#pragma once
// Windows-style paths ("c:\temp\QvJE_Control.csv") mapped onto host folders.
// The system keeps its paths in Windows form; only this layer knows where a
// drive lives. Defaults: c: the tool's data folder
// ($XDG_DATA_HOME/qvledgerloom/c, else ~/.local/share/qvledgerloom/c,
// created on first use), h: the user's home folder, z: the host's "/".
// Tests map drives to temporary folders.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qvl::paths {

struct Drive {
  char letter;                  // lower case: 'c', 'h', 'z'
  std::filesystem::path host;   // the host folder the drive stands for
};

// The drive table of the process (one thread, one table). The defaults are
// put in on first use unless the table was set up explicitly before.
void MapDrive(char letter, const std::filesystem::path& host);
void UnmapAll();
void ResetDefaultDrives();
std::vector<Drive> Drives();    // sorted by letter
// The drive's host folder, created when it does not exist yet.
std::optional<std::filesystem::path> DriveFolder(char letter);

// "c:\temp\x.csv" (or "c:/temp/x.csv", drive letter any case) -> host path.
// Existing components are matched case-insensitively (an exact-case match
// preferred, else the match that sorts first by bytes); components that do
// not exist are kept as written. ".." never climbs above the drive's folder.
// nullopt when the path does not start with a mapped drive ("x:") or holds a
// NUL character.
std::optional<std::filesystem::path> ToHost(std::string_view windowsPath);

// Host path -> drive form ("h:\gl.txt"); the most specific mapped drive wins.
// nullopt when no drive holds it or the path is relative.
std::optional<std::string> ToWindows(const std::filesystem::path& hostPath);

// A path typed into a path box: an absolute host path ("/home/ann/gl.txt")
// becomes its drive form; anything else is returned unchanged.
std::string Normalize(std::string_view typed);

// Dir(path): the name the file has on disk when such a file exists (found
// case-insensitively), else "". With directory=true a folder counts too.
std::string Dir(std::string_view windowsPath, bool directory = false);

bool FileExists(std::string_view windowsPath);
bool FolderExists(std::string_view windowsPath);
// Whether the two paths name one existing file (through any name or link).
bool SameFile(std::string_view a, std::string_view b);

}  // namespace qvl::paths
