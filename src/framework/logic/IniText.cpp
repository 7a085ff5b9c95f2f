#include "framework/logic/IniText.h"

#include <cstdint>

namespace hopvox {
namespace {

constexpr std::size_t npos = std::string::npos;

// The profile reader's blanks; Ctrl-Z counts too (old editors end files with it).
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == '\x1a';
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// The platform works on C strings: a NUL ends a name or a value.
std::string_view CutAtNul(std::string_view s) { return s.substr(0, s.find('\0')); }

// A name as the caller asks for it: the platform reads it as a C string and
// ignores blanks around it.
std::string_view RequestedName(std::string_view name) { return Trim(CutAtNul(name)); }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

bool SameIniName(std::string_view a, std::string_view b, const TAnsiCodePage& codePage) {
  return codePage.SameIgnoringCase(RequestedName(a), RequestedName(b));
}

int ParseIniInteger(std::string_view text, int def) {
  std::string_view hex;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
    hex = text.substr(2);
  else if (!text.empty() && text[0] == '$')
    hex = text.substr(1);
  if (hex.data() != nullptr) {
    if (hex.empty()) return def;
    std::uint64_t v = 0;
    for (char c : hex) {
      int d = HexDigit(c);
      if (d < 0) return def;
      v = v * 16 + static_cast<unsigned>(d);
      if (v > 0xFFFFFFFFu) return def;
    }
    return static_cast<int>(static_cast<std::uint32_t>(v));
  }
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return def;
  std::int64_t v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return def;
    v = v * 10 + (c - '0');
    if (v > 2147483648LL) return def;
  }
  if (negative) v = -v;
  if (v > 2147483647LL) return def;
  return static_cast<int>(v);
}

IniText IniText::Parse(std::string_view bytes, const TAnsiCodePage& codePage) {
  IniText ini(codePage);
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    std::size_t brk = bytes.find_first_of("\r\n", pos);
    Line line;
    if (brk == npos) {
      line.text.assign(bytes.substr(pos));
      pos = bytes.size();
    } else {
      line.text.assign(bytes.substr(pos, brk - pos));
      std::size_t len =
          (bytes[brk] == '\r' && brk + 1 < bytes.size() && bytes[brk + 1] == '\n') ? 2 : 1;
      line.eol.assign(bytes.substr(brk, len));
      pos = brk + len;
    }
    ini.Classify(line, ini.lines_.empty());
    ini.lines_.push_back(std::move(line));
  }
  return ini;
}

std::string IniText::Format() const {
  std::size_t size = 0;
  for (const Line& l : lines_) size += l.text.size() + l.eol.size();
  std::string out;
  out.reserve(size);
  for (const Line& l : lines_) {
    out += l.text;
    out += l.eol;
  }
  return out;
}

void IniText::Classify(Line& line, bool firstLine) const {
  const std::string_view text = line.text;
  std::size_t begin = 0;
  if (firstLine && text.substr(0, 3) == "\xEF\xBB\xBF") begin = 3;  // UTF-8 mark of some editors
  std::size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  line.kind = LineKind::lkBlank;
  line.hasValue = false;
  line.nameBegin = line.nameLen = line.valueBegin = line.valueLen = 0;
  if (begin == end) return;

  const std::string_view content = text.substr(begin, end - begin);
  if (content[0] == '[') {
    // The last "]" closes the name; a line without one is read as an entry.
    // A trail byte that equals "]" is part of a character, not a bracket.
    std::size_t close = codePage_->FindLastOf(content, "]");
    if (close != npos && close > 0) {
      std::string_view name = CutAtNul(Trim(content.substr(1, close - 1)));
      line.kind = LineKind::lkSection;
      line.nameBegin = static_cast<std::size_t>(name.data() - text.data());
      line.nameLen = name.size();
      return;
    }
  }
  line.kind = LineKind::lkKey;
  std::size_t eq = content.find('=');
  std::string_view name = content.substr(0, eq);
  if (eq != npos) {
    std::string_view value = CutAtNul(Trim(content.substr(eq + 1)));
    line.hasValue = true;
    line.valueBegin = static_cast<std::size_t>(value.data() - text.data());
    line.valueLen = value.size();
  }
  name = CutAtNul(Trim(name));
  line.nameBegin = static_cast<std::size_t>(name.data() - text.data());
  line.nameLen = name.size();
}

std::optional<IniText::Range> IniText::FindSection(std::string_view want) const {
  std::size_t i = 0;
  Range range{npos, 0, 0};
  if (!want.empty()) {
    // Only the first section of a name is seen; later ones of the same name are not.
    while (i < lines_.size() && !(lines_[i].kind == LineKind::lkSection &&
                                  codePage_->SameIgnoringCase(lines_[i].Name(), want)))
      ++i;
    if (i == lines_.size()) return std::nullopt;
    range.header = i++;
  }
  range.begin = i;
  while (i < lines_.size() && lines_[i].kind != LineKind::lkSection) ++i;
  range.end = i;
  return range;
}

std::optional<std::size_t> IniText::FindKey(const Range& range, std::string_view key) const {
  const std::string_view want = RequestedName(key);
  if (want.empty()) return std::nullopt;
  for (std::size_t i = range.begin; i < range.end; ++i)
    if (lines_[i].kind == LineKind::lkKey && codePage_->SameIgnoringCase(lines_[i].Name(), want))
      return i;
  return std::nullopt;
}

std::string IniText::DefaultEol() const {
  for (const Line& l : lines_)
    if (!l.eol.empty()) return l.eol;
  return "\r\n";
}

std::optional<std::string> IniText::Value(std::string_view section, std::string_view key) const {
  auto range = FindSection(RequestedName(section));
  if (!range) return std::nullopt;
  auto index = FindKey(*range, key);
  if (!index || !lines_[*index].hasValue) return std::nullopt;
  std::string_view v = lines_[*index].RawValue();
  // One pair of matching quotes around the whole value is not part of it.
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    v = v.substr(1, v.size() - 2);
  return std::string(v);
}

std::string IniText::ReadString(std::string_view section, std::string_view key,
                                std::string_view def) const {
  auto v = Value(section, key);
  if (!v) return std::string(def);
  if (v->size() > kIniMaxRead) v->resize(kIniMaxRead);
  return std::move(*v);
}

int IniText::ReadInteger(std::string_view section, std::string_view key, int def) const {
  auto v = Value(section, key);
  if (!v) return def;
  return ParseIniInteger(std::string_view(*v).substr(0, kIniMaxRead), def);
}

bool IniText::ReadBool(std::string_view section, std::string_view key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

std::vector<std::string> IniText::KeyNames(std::string_view section) const {
  std::vector<std::string> names;
  // Unlike a value read, the platform's list read takes the section name as
  // given, blanks and all.
  auto range = FindSection(CutAtNul(section));
  if (!range) return names;
  std::size_t used = 1;  // the NUL that ends the list
  for (std::size_t i = range->begin; i < range->end; ++i) {
    const Line& l = lines_[i];
    // Entries without "=", without a name, and comments are not listed.
    if (l.kind != LineKind::lkKey || !l.hasValue || l.nameLen == 0 || l.Name()[0] == ';') continue;
    if (used + l.nameLen + 1 > kIniKeyListBytes) break;
    used += l.nameLen + 1;
    names.emplace_back(l.Name());
  }
  return names;
}

bool IniText::SectionExists(std::string_view section) const { return !KeyNames(section).empty(); }

const char* IniNameFaultText(TIniNameFault fault) {
  switch (fault) {
    case TIniNameFault::inNone:
      return "";
    case TIniNameFault::inSectionBlank:
      return "a section name cannot be empty or only blanks";
    case TIniNameFault::inSectionLineBreak:
      return "a section name cannot hold a line break";
    case TIniNameFault::inKeyBlank:
      return "a key name cannot be empty or only blanks";
    case TIniNameFault::inKeyLineBreak:
      return "a key name cannot hold a line break";
    case TIniNameFault::inKeyEquals:
      return "a key name cannot contain \"=\"";
    case TIniNameFault::inKeyBracket:
      return "a key name cannot start with \"[\"";
  }
  return "";
}

TIniNameFault IniText::NameFault(std::string_view section, std::string_view key) {
  constexpr std::string_view kBreaks("\r\n\0", 3);
  const std::string_view sec = Trim(section);
  const std::string_view k = Trim(key);
  if (sec.empty()) return TIniNameFault::inSectionBlank;
  if (sec.find_first_of(kBreaks) != npos) return TIniNameFault::inSectionLineBreak;
  if (k.empty()) return TIniNameFault::inKeyBlank;
  if (k.find_first_of(kBreaks) != npos) return TIniNameFault::inKeyLineBreak;
  // A key line starting with "[" turns into a section line as soon as a "]" follows.
  if (k.front() == '[') return TIniNameFault::inKeyBracket;
  if (k.find('=') != npos) return TIniNameFault::inKeyEquals;
  return TIniNameFault::inNone;
}

bool IniText::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  if (NameFault(section, key) != TIniNameFault::inNone) return false;
  const std::string_view sec = Trim(section);
  const std::string_view k = Trim(key);
  // The names must read back as written, or the entry could never be found
  // again; NameFault lets through only names that do, and the fuzzer holds
  // us to it.
  Line header{std::string(1, '[').append(sec).append(1, ']'), DefaultEol()};
  Classify(header, false);
  if (header.kind != LineKind::lkSection || header.Name() != sec) return false;
  const std::string_view v = value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));
  Line entry{std::string(k).append(1, '=').append(v), DefaultEol()};
  Classify(entry, false);
  if (entry.kind != LineKind::lkKey || entry.Name() != k) return false;

  auto range = FindSection(sec);
  if (!range) {
    if (!lines_.empty()) {
      if (lines_.back().eol.empty()) lines_.back().eol = DefaultEol();
      if (lines_.back().kind != LineKind::lkBlank) lines_.push_back(Line{"", DefaultEol()});
    }
    lines_.push_back(std::move(header));
    lines_.push_back(std::move(entry));
    return true;
  }
  if (auto index = FindKey(*range, k)) {
    // Keep the line's own spelling and layout up to the "=".
    Line& line = lines_[*index];
    const Line saved = line;
    std::size_t cut;
    if (line.hasValue) {
      cut = line.text.find('=', line.nameBegin) + 1;
    } else {
      cut = line.text.size();
      while (cut > 0 && IsBlank(line.text[cut - 1])) --cut;
      line.text.resize(cut);
      line.text += '=';
      ++cut;
    }
    line.text.resize(cut);
    line.text += v;
    Classify(line, *index == 0);
    if (line.kind != LineKind::lkKey || !codePage_->SameIgnoringCase(line.Name(), k)) {
      line = saved;  // cannot happen for the names let through above; the fuzzer holds us to it
      return false;
    }
    return true;
  }
  // After the section's last entry, before the blank lines that part it from the next.
  std::size_t at = range->end;
  while (at > range->begin && lines_[at - 1].kind == LineKind::lkBlank) --at;
  if (lines_[at - 1].eol.empty()) lines_[at - 1].eol = DefaultEol();
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(entry));
  return true;
}

bool IniText::WriteInteger(std::string_view section, std::string_view key, int value) {
  return WriteString(section, key, std::to_string(value));
}

bool IniText::WriteBool(std::string_view section, std::string_view key, bool value) {
  return WriteString(section, key, value ? "1" : "0");
}

bool IniText::DeleteKey(std::string_view section, std::string_view key) {
  if (RequestedName(section).empty()) return false;
  auto range = FindSection(RequestedName(section));
  if (!range) return false;
  bool removed = false;
  while (auto index = FindKey(*range, key)) {
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*index));
    --range->end;
    removed = true;
  }
  return removed;
}

}  // namespace hopvox
