#include "platform/paths/paths.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

#include "platform/vb/text.h"

namespace qvl::paths {

namespace fs = std::filesystem;

namespace {

fs::path HomeFolder() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) return pw->pw_dir;
  return "/";
}

fs::path DataFolder() {
  // A relative XDG_DATA_HOME is invalid by the XDG rules and is ignored.
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/') {
    return fs::path(xdg) / "qvledgerloom" / "c";
  }
  return HomeFolder() / ".local" / "share" / "qvledgerloom" / "c";
}

std::vector<Drive> DefaultDrives() {
  return {{'c', DataFolder()}, {'h', HomeFolder()}, {'z', "/"}};
}

struct DriveTable {
  bool ready = false;
  std::vector<Drive> drives;
};

DriveTable& Table() {
  static DriveTable table;
  if (!table.ready) {
    table.ready = true;
    table.drives = DefaultDrives();
  }
  return table;
}

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// The name under which `name` exists in `folder`, when it exists in any case.
std::optional<std::string> MatchComponent(const fs::path& folder, const std::string& name) {
  std::error_code ec;
  if (fs::exists(fs::symlink_status(folder / name, ec))) return name;
  std::optional<std::string> best;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::string candidate = it->path().filename().string();
    if (vb::EqualsNoCase(candidate, name) && (!best || candidate < *best)) best = candidate;
  }
  return best;
}

// The components of a path below its drive, with "." dropped and ".."
// applied, never climbing above the drive's root. Blanks and dots at the end
// of a name are dropped, as Windows drops them: "c:\gl \bal.txt " names the
// file "bal.txt" in the folder "gl", never a second folder "gl ".
std::vector<std::string> Components(std::string_view rest) {
  std::vector<std::string> parts;
  std::size_t i = 0;
  while (i <= rest.size()) {
    std::size_t j = i;
    while (j < rest.size() && !IsSeparator(rest[j])) ++j;
    std::string part(rest.substr(i, j - i));
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else {
      part.erase(part.find_last_not_of(" .") + 1);
      if (!part.empty()) parts.push_back(std::move(part));
    }
    i = j + 1;
  }
  return parts;
}

// The non-empty components of an absolute, lexically normal host path.
std::vector<std::string> HostComponents(const fs::path& p) {
  std::vector<std::string> parts;
  for (const auto& c : p.lexically_normal().relative_path()) {
    if (!c.empty() && c != ".") parts.push_back(c.string());
  }
  return parts;
}

}  // namespace

void MapDrive(char letter, const fs::path& host) {
  auto& table = Table();
  letter = Lower(letter);
  auto it = std::find_if(table.drives.begin(), table.drives.end(),
                         [&](const Drive& d) { return d.letter == letter; });
  fs::path absolute = host.is_absolute() ? host : fs::absolute(host);
  if (it != table.drives.end()) {
    it->host = absolute;
  } else {
    table.drives.push_back({letter, absolute});
  }
}

void UnmapAll() {
  auto& table = Table();
  table.drives.clear();
}

void ResetDefaultDrives() {
  auto& table = Table();
  table.drives = DefaultDrives();
}

std::vector<Drive> Drives() {
  auto drives = Table().drives;
  std::sort(drives.begin(), drives.end(), [](const Drive& a, const Drive& b) { return a.letter < b.letter; });
  return drives;
}

std::optional<fs::path> DriveFolder(char letter) {
  letter = Lower(letter);
  for (const auto& d : Table().drives) {
    if (d.letter != letter) continue;
    std::error_code ec;
    if (!fs::exists(d.host, ec)) fs::create_directories(d.host, ec);
    return d.host;
  }
  return std::nullopt;
}

std::optional<fs::path> ToHost(std::string_view windowsPath) {
  if (windowsPath.size() < 2 || windowsPath[1] != ':' ||
      !std::isalpha(static_cast<unsigned char>(windowsPath[0]))) {
    return std::nullopt;
  }
  if (windowsPath.find('\0') != std::string_view::npos) return std::nullopt;
  auto root = DriveFolder(windowsPath[0]);
  if (!root) return std::nullopt;

  fs::path host = *root;
  bool matching = true;  // once a component is missing, nothing below it exists
  for (const auto& part : Components(windowsPath.substr(2))) {
    if (matching) {
      if (auto found = MatchComponent(host, part)) {
        host /= *found;
        continue;
      }
      matching = false;
    }
    host /= part;
  }
  return host;
}

std::optional<std::string> ToWindows(const fs::path& hostPath) {
  if (!hostPath.is_absolute()) return std::nullopt;
  const auto parts = HostComponents(hostPath);
  const Drive* best = nullptr;
  std::size_t bestDepth = 0;
  for (const auto& d : Table().drives) {
    const auto root = HostComponents(d.host);
    if (root.size() > parts.size() || !std::equal(root.begin(), root.end(), parts.begin())) continue;
    if (!best || root.size() > bestDepth) {
      best = &d;
      bestDepth = root.size();
    }
  }
  if (!best) return std::nullopt;
  std::string out{best->letter, ':', '\\'};
  for (std::size_t i = bestDepth; i < parts.size(); ++i) {
    if (i > bestDepth) out += '\\';
    out += parts[i];
  }
  return out;
}

std::string Normalize(std::string_view typed) {
  if (typed.empty() || typed.front() != '/') return std::string(typed);
  if (auto windows = ToWindows(fs::path(std::string(typed)))) return *windows;
  return std::string(typed);
}

std::string Dir(std::string_view windowsPath, bool directory) {
  auto host = ToHost(windowsPath);
  if (!host) return {};
  std::error_code ec;
  auto status = fs::status(*host, ec);
  if (ec || !fs::exists(status)) return {};
  if (fs::is_directory(status) && !directory) return {};
  return host->filename().string();
}

bool FileExists(std::string_view windowsPath) { return !Dir(windowsPath).empty(); }

bool FolderExists(std::string_view windowsPath) {
  auto host = ToHost(windowsPath);
  std::error_code ec;
  return host && fs::is_directory(*host, ec);
}

bool SameFile(std::string_view a, std::string_view b) {
  const auto hostA = ToHost(a);
  const auto hostB = ToHost(b);
  std::error_code ec;
  return hostA && hostB && fs::equivalent(*hostA, *hostB, ec);
}

}  // namespace qvl::paths
