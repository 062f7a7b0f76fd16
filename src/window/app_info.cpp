#include "window/app_info.h"

namespace qvl {

std::string CaptionWithVersion(std::string_view caption) {
  std::string text(caption);
  text += " - v" + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor);
  if (kVersionRevision > 0) text += "." + std::to_string(kVersionRevision);
  return text;
}

std::string VersionText() {
  return "Version " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
         std::to_string(kVersionRevision);
}

}  // namespace qvl
