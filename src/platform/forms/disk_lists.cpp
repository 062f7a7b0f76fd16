#include "platform/forms/disk_lists.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>

#include "platform/paths/paths.h"
#include "platform/vb/error.h"
#include "platform/vb/text.h"

namespace qvl::forms {

namespace fs = std::filesystem;

namespace {

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool HasDrive(std::string_view path) {
  return path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]));
}

std::string DriveRoot(char letter) { return std::string{Lower(letter), ':', '\\'}; }

std::string Join(const std::string& folder, const std::string& name) {
  if (!folder.empty() && folder.back() == '\\') return folder + name;
  return folder + "\\" + name;
}

// The components of `inner` below `outer`, or nullopt when it is not inside.
std::optional<std::vector<std::string>> Below(const fs::path& outer, const fs::path& inner) {
  std::vector<std::string> a, b;
  for (const auto& c : outer.lexically_normal()) {
    if (!c.empty() && c != ".") a.push_back(c.string());
  }
  for (const auto& c : inner.lexically_normal()) {
    if (!c.empty() && c != ".") b.push_back(c.string());
  }
  if (a.size() > b.size() || !std::equal(a.begin(), a.end(), b.begin())) return std::nullopt;
  return std::vector<std::string>(b.begin() + static_cast<std::ptrdiff_t>(a.size()), b.end());
}

// Names compare case-insensitively, ties by bytes, so the order is total.
bool NameLess(const std::string& a, const std::string& b) {
  const std::string la = vb::LCase(a), lb = vb::LCase(b);
  return la != lb ? la < lb : a < b;
}

// Names a list can show: hidden (dot) entries are not listed, and a name
// holding "\" cannot be written as a drive-form path.
bool Listable(const std::string& name) {
  return !name.empty() && name.front() != '.' && name.find('\\') == std::string::npos;
}

// An existing folder in drive form: its host folder, and its drive-form path
// with every ancestor (root first, the folder itself last).
struct OpenedFolder {
  fs::path host;
  std::vector<std::string> chain;
};

OpenedFolder OpenFolder(std::string_view requested) {
  std::string path = paths::Normalize(requested);
  if (!HasDrive(path)) throw vb::PathNotFound();
  const char letter = Lower(path[0]);
  const auto root = paths::DriveFolder(letter);
  std::error_code ec;
  if (!root || !fs::is_directory(*root, ec)) throw vb::DeviceUnavailable();
  if (path.size() == 2) path = CurrentFolderOn(letter);

  const auto host = paths::ToHost(path);
  if (!host || !fs::is_directory(*host, ec)) throw vb::PathNotFound();
  const auto parts = Below(*root, *host);
  if (!parts) throw vb::PathNotFound();

  OpenedFolder opened{*host, {DriveRoot(letter)}};
  for (const auto& part : *parts) opened.chain.push_back(Join(opened.chain.back(), part));
  return opened;
}

// Names of the entries of `folder` that pass `keep`, sorted; nullopt when the
// folder cannot be read.
template <class Keep>
std::optional<std::vector<std::string>> ListFolder(const fs::path& folder, Keep keep) {
  std::vector<std::string> names;
  std::error_code ec;
  fs::directory_iterator it(folder, ec);
  if (ec) return std::nullopt;
  for (fs::directory_iterator end; it != end; it.increment(ec)) {
    if (ec) return std::nullopt;
    std::string name = it->path().filename().string();
    std::error_code typeEc;
    if (Listable(name) && keep(*it, typeEc) && !typeEc) names.push_back(std::move(name));
  }
  if (ec) return std::nullopt;
  std::sort(names.begin(), names.end(), NameLess);
  return names;
}

bool MatchOne(std::string_view pattern, std::string_view name) {
  // Iterative glob with backtracking to the last "*".
  std::size_t p = 0, n = 0, starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (p < pattern.size() &&
               (pattern[p] == '?' || vb::EqualsNoCase(pattern.substr(p, 1), name.substr(n, 1)))) {
      ++p;
      ++n;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace

std::string CurrentFolderOn(char drive) {
  const auto root = paths::DriveFolder(drive);
  if (!root) return "";
  std::error_code ec;
  const fs::path cwd = fs::current_path(ec);
  std::string path = DriveRoot(drive);
  if (ec) return path;
  if (const auto parts = Below(*root, cwd)) {
    for (const auto& part : *parts) path = Join(path, part);
  }
  return path;
}

char CurrentDrive() {
  std::error_code ec;
  const fs::path cwd = fs::current_path(ec);
  if (!ec) {
    if (const auto windows = paths::ToWindows(cwd)) return Lower((*windows)[0]);
  }
  const auto drives = paths::Drives();
  return drives.empty() ? '\0' : drives.front().letter;
}

bool MatchesPattern(std::string_view pattern, std::string_view name) {
  std::size_t start = 0;
  while (start <= pattern.size()) {
    std::size_t end = pattern.find(';', start);
    if (end == std::string_view::npos) end = pattern.size();
    const std::string one = vb::Trim(pattern.substr(start, end - start));
    if (one == "*.*" || (!one.empty() && MatchOne(one, name))) return true;
    start = end + 1;
  }
  return false;
}

// ---- DriveList ----

void DriveList::Refresh() {
  std::vector<std::string> items;
  for (const auto& drive : paths::Drives()) {
    items.push_back(std::string{drive.letter, ':'} + " [" + drive.host.string() + "]");
  }
  ReplaceItems(std::move(items));
  if (!drive_.empty()) {
    for (int i = 0; i < ListCount(); ++i) {
      if (List(i)[0] == drive_[0]) SetListIndexQuietly(i);
    }
  }
}

void DriveList::SetDrive(std::string_view drive) {
  if (drive.empty() || !std::isalpha(static_cast<unsigned char>(drive[0]))) {
    throw vb::DeviceUnavailable();
  }
  const char letter = Lower(drive[0]);
  auto find = [&] {
    for (int i = 0; i < ListCount(); ++i) {
      if (List(i)[0] == letter) return i;
    }
    return -1;
  };
  int index = find();
  if (index < 0) {
    Refresh();
    index = find();
  }
  if (index < 0) throw vb::DeviceUnavailable();
  SetListIndex(index);
}

void DriveList::IndexChanged() {
  const std::string chosen = ListIndex() >= 0 ? List(ListIndex()).substr(0, 2) : "";
  if (chosen == drive_) return;
  drive_ = chosen;
  Fire(onChange);
}

// ---- FolderList ----

std::string FolderList::List(int index) const {
  if (index >= 0) {
    return index < ListCount() ? Join(path_, ListControl::List(index)) : "";
  }
  const int up = -index;  // 1: the open folder
  if (up > AncestorCount()) return "";
  return ancestors_[ancestors_.size() - static_cast<std::size_t>(up)];
}

void FolderList::SetPath(std::string_view path) {
  OpenedFolder opened = OpenFolder(path);
  auto names = ListFolder(opened.host, [](const fs::directory_entry& e, std::error_code& ec) {
    return e.is_directory(ec);
  });
  if (!names) throw opened.chain.size() == 1 ? vb::DeviceUnavailable() : vb::PathFileAccessError();
  const bool moved = opened.chain.back() != path_;
  path_ = opened.chain.back();
  ancestors_ = std::move(opened.chain);
  ReplaceItems(std::move(*names));
  if (moved) Fire(onChange);
}

void FolderList::Refresh() {
  if (!path_.empty()) SetPath(path_);
}

// ---- FileList ----

void FileList::SetPath(std::string_view path) {
  std::string folder;
  try {
    folder = OpenFolder(path).chain.back();
  } catch (const vb::Error&) {
    // Shown as given: a folder that cannot be opened lists no files.
    folder = paths::Normalize(path);
  }
  if (folder != path_) {
    path_ = std::move(folder);
    Changed();
  }
  Refresh();
}

void FileList::SetPattern(std::string pattern) {
  if (pattern == pattern_) return;
  pattern_ = std::move(pattern);
  Changed();
  Refresh();
}

void FileList::Refresh() {
  std::optional<std::vector<std::string>> names;
  if (const auto host = paths::ToHost(path_)) {
    names = ListFolder(*host, [this](const fs::directory_entry& e, std::error_code& ec) {
      return e.is_regular_file(ec) && MatchesPattern(pattern_, e.path().filename().string());
    });
  }
  ReplaceItems(names ? std::move(*names) : std::vector<std::string>{});
}

}  // namespace qvl::forms
