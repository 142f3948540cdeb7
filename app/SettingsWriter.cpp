// Rewriting the settings file's lines.
#include "app/SettingsWriter.h"

#include "app/Settings.h"
#include "platform/AtomicFile.h"

namespace {

// The option name a line sets, or "" for a line that sets none.
std::string optionName(const std::string& line) {
  const std::string t = trimmedSettingsText(line);
  if (isSettingsComment(t)) return "";
  const std::size_t equals = t.find('=');
  return equals == std::string::npos ? "" : trimmedSettingsText(t.substr(0, equals));
}

// The mode line with a new size at its head: what follows the size (":32@60") stays.
std::string resized(const std::string& modeLine, const std::string& size) {
  const std::string t = trimmedSettingsText(modeLine);
  const std::size_t tail = t.find_first_of(":@");
  return size + (tail == std::string::npos ? "" : t.substr(tail));
}

}  // namespace

std::string settingsWithValues(const std::string& contents,
                               const std::vector<std::pair<std::string, std::string>>& values,
                               const std::string& size) {
  // settingsLines trims the lines; the raw ones are kept for writing them back as they were.
  std::vector<std::string> raw;
  std::size_t start = contents.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
  while (start < contents.size()) {
    const std::size_t end = contents.find('\n', start);
    const std::size_t stop = end == std::string::npos ? contents.size() : end;
    std::string line = contents.substr(start, stop - start);
    // Every carriage return at the end goes: one left would come off at the next save.
    while (!line.empty() && line.back() == '\r') line.pop_back();
    raw.push_back(line);
    start = stop + 1;
  }
  const std::vector<std::string> lines = settingsLines(contents);
  std::size_t modeLine = settingsModeLine(lines);
  // A NUL in a line never makes it here: the reader refused such a file before.
  raw.resize(lines.size());
  std::vector<bool> written(values.size(), false);
  for (std::size_t i = modeLine; i-- > 0;) {
    const std::string name = optionName(lines[i]);
    for (std::size_t v = 0; v < values.size(); ++v) {
      if (written[v] || name != values[v].first) continue;
      raw[i] = values[v].first + " = " + values[v].second;
      written[v] = true;
    }
  }
  std::vector<std::string> added;
  for (std::size_t v = 0; v < values.size(); ++v) {
    if (!written[v]) added.push_back(values[v].first + " = " + values[v].second);
  }
  if (modeLine == lines.size()) {
    raw.push_back(size.empty() ? "1024x768" : size);
  } else if (!size.empty()) {
    raw[modeLine] = resized(lines[modeLine], size);
  }
  if (modeLine == lines.size()) modeLine = raw.size() - 1;
  raw.insert(raw.begin() + static_cast<std::ptrdiff_t>(modeLine), added.begin(), added.end());
  // Comments after the mode line stay; blank lines at the end go, so the file does not grow.
  while (raw.size() > modeLine + added.size() + 1 && trimmedSettingsText(raw.back()).empty()) raw.pop_back();
  std::string text;
  for (const std::string& line : raw) text += line + "\n";
  return text;
}

bool saveSettingsFile(const std::string& path, const std::string& text, std::string& problem) {
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
  if (!makeFolders(folder, problem)) return false;
  return replaceFileAtomically(folder, folder + "/.settings.ini.XXXXXX", path, text, problem);
}
