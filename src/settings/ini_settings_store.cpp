#include "settings/ini_settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringList>
#include <array>
#include <charconv>
#include <cstdio>

namespace sudoku {
namespace ini {
namespace {

bool IsSpace(char ch) {
  return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r';
}
bool IsSpecial(char ch) {
  return ch == '\n' || ch == '\r' || ch == '"' || ch == ';' || ch == '=' || ch == '\\';
}

std::string_view Trimmed(std::string_view text) {
  auto space = [](char ch) { return ch == ' ' || (ch >= '\t' && ch <= '\r'); };
  while (!text.empty() && space(text.front())) text.remove_prefix(1);
  while (!text.empty() && space(text.back())) text.remove_suffix(1);
  return text;
}

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// One logical line: comments (from ';' outside quotes) skipped, quoted parts and escaped line
// ends taken along. False at the end of the data.
bool ReadLine(std::string_view data, size_t& pos, size_t& lineStart, size_t& lineLen,
              size_t& equalsPos) {
  const size_t n = data.size();
  bool inQuotes = false;
  equalsPos = std::string_view::npos;
  lineStart = pos;
  while (lineStart < n && IsSpace(data[lineStart])) ++lineStart;
  size_t i = lineStart;
  while (i < n) {
    char ch = data[i];
    while (!IsSpecial(ch)) {
      if (++i == n) goto done;
      ch = data[i];
    }
    ++i;
    if (ch == '=') {
      if (!inQuotes && equalsPos == std::string_view::npos) equalsPos = i - 1;
    } else if (ch == '\n' || ch == '\r') {
      if (i == lineStart + 1) {
        ++lineStart;
      } else if (!inQuotes) {
        --i;
        goto done;
      }
    } else if (ch == '\\') {
      if (i < n) {
        const char escaped = data[i++];
        if (i < n) {
          const char next = data[i];
          if ((escaped == '\n' && next == '\r') || (escaped == '\r' && next == '\n')) ++i;
        }
      }
    } else if (ch == '"') {
      inQuotes = !inQuotes;
    } else {  // ';'
      if (i == lineStart + 1) {
        while (i < n && data[i] != '\n' && data[i] != '\r') ++i;
        while (i < n && IsSpace(data[i])) ++i;
        lineStart = i;
      } else if (!inQuotes) {
        --i;
        goto done;
      }
    }
  }
done:
  pos = i;
  lineLen = i - lineStart;
  return lineLen > 0;
}

// A value's text as it may stand before the end of a line: an unclosed quote (which would
// take the following lines along) is closed, and a backslash at the end, alone or escaping a
// line end, is dropped. The value that QSettings reads stays the same.
std::string SelfContained(std::string_view text) {
  for (;;) {
    bool inQuotes = false;
    size_t trailing = 0;  // characters of a final escape that would continue the line
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\\') {
        if (i + 1 == text.size()) {
          trailing = 1;
        } else if (i + 2 == text.size() && (text[i + 1] == '\n' || text[i + 1] == '\r')) {
          trailing = 2;
        }
        ++i;
      } else if (text[i] == '"') {
        inQuotes = !inQuotes;
      }
    }
    if (trailing > 0) {
      text.remove_suffix(trailing);
      continue;
    }
    std::string result(text);
    if (inQuotes) result += '"';
    return result;
  }
}

// '\' separates groups, %XX and %UXXXX are characters.
std::string UnescapeKey(std::string_view key) {
  bool plain = true;
  for (char ch : key) plain &= ch != '%' && static_cast<unsigned char>(ch) < 0x80;
  if (plain) {
    std::string result(key);
    for (char& ch : result) {
      if (ch == '\\') ch = '/';
    }
    return result;
  }
  const QString decoded = FromUtf8(key);
  const qsizetype size = decoded.size();
  QString result;
  qsizetype i = 0;
  while (i < size) {
    const QChar ch = decoded.at(i);
    if (ch == u'\\') {
      result += u'/';
      ++i;
      continue;
    }
    if (ch != u'%' || i == size - 1) {
      result += ch;
      ++i;
      continue;
    }
    qsizetype first = i + 1;
    int digits = 2;
    if (decoded.at(first) == u'U') {
      ++first;
      digits = 4;
    }
    bool ok = false;
    const ushort code =
        first + digits > size ? 0 : QStringView(decoded).sliced(first, digits).toUShort(&ok, 16);
    if (!ok) {
      result += u'%';
      ++i;
      continue;
    }
    result += QChar(code);
    i = first + digits;
  }
  return result.toStdString();
}

void EscapeKey(std::string_view key, std::string& out) {
  for (size_t i = 0; i < key.size(); ++i) {
    const auto ch = static_cast<unsigned char>(key[i]);
    if (ch == '/') {
      out += '\\';
    } else if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') ||
               ch == '_' || ch == '-' || ch == '.') {
      out += static_cast<char>(ch);
    } else if (ch < 0x80) {
      static constexpr char kHex[] = "0123456789ABCDEF";
      out += '%';
      out += kHex[ch / 16];
      out += kHex[ch % 16];
    } else {
      // Characters beyond ASCII as their UTF-16 code units: the rest of the key goes through Qt.
      const QString rest = FromUtf8(key.substr(i));
      for (QChar qch : rest) {
        const char16_t unit = qch.unicode();
        char buffer[8];
        if (unit == '/') {
          out += '\\';
        } else if (unit < 0x80 &&
                   ((unit >= 'a' && unit <= 'z') || (unit >= 'A' && unit <= 'Z') ||
                    (unit >= '0' && unit <= '9') || unit == '_' || unit == '-' || unit == '.')) {
          out += static_cast<char>(unit);
        } else if (unit <= 0xFF) {
          std::snprintf(buffer, sizeof buffer, "%%%02X", unit);
          out += buffer;
        } else {
          std::snprintf(buffer, sizeof buffer, "%%U%04X", unit);
          out += buffer;
        }
      }
      return;
    }
  }
}

// The characters of a value: quotes group, backslashes escape, unquoted commas make a list
// (which none of our values is). False for a list.
bool UnescapeValue(std::string_view text, QString& result) {
  static constexpr char kEscapes[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                         {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                         {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
  auto chopTrailingSpaces = [&result](qsizetype limit) {
    qsizetype n = result.size() - 1;
    while (n >= limit && (result.at(n) == u' ' || result.at(n) == u'\t')) result.truncate(n--);
  };
  QStringDecoder fromUtf8(QStringDecoder::Utf8);
  bool inQuotes = false, quoted = false;
  size_t i = 0;
  const size_t n = text.size();
  while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
  qsizetype chopLimit = 0;
  while (i < n) {
    const char ch = text[i];
    if (ch == '\\') {
      ++i;
      if (i >= n) break;
      const char escaped = text[i++];
      bool named = false;
      for (const auto& e : kEscapes) {
        if (escaped == e[0]) {
          result += QLatin1Char(e[1]);
          named = true;
          break;
        }
      }
      if (!named) {
        const bool hex = escaped == 'x';
        const bool octal = escaped >= '0' && escaped <= '7';
        if (hex || octal) {
          char16_t code = octal ? static_cast<char16_t>(escaped - '0') : 0;
          int digits = octal ? 1 : 0;
          for (; i < n; ++i, ++digits) {
            const char d = text[i];
            int v = -1;
            if (octal) {
              if (d >= '0' && d <= '7') v = d - '0';
            } else if (d >= '0' && d <= '9') {
              v = d - '0';
            } else if ((d | 0x20) >= 'a' && (d | 0x20) <= 'f') {
              v = (d | 0x20) - 'a' + 10;
            }
            if (v < 0) break;
            code = static_cast<char16_t>((code << (octal ? 3 : 4)) + v);
          }
          if (digits > 0) result += QChar(code);  // a lone "\x" stands for nothing
        } else if ((escaped == '\n' || escaped == '\r') && i < n) {
          const char next = text[i];
          if ((next == '\n' || next == '\r') && next != escaped) ++i;
        }
      }
      chopLimit = result.size();
    } else if (ch == '"') {
      ++i;
      quoted = true;
      inQuotes = !inQuotes;
      if (!inQuotes) {
        while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
      }
    } else if (ch == ',' && !inQuotes) {
      return false;
    } else {
      size_t j = i + 1;
      while (j < n && text[j] != '\\' && text[j] != '"' && text[j] != ',') ++j;
      result += fromUtf8(QByteArrayView(text.data() + i, static_cast<qsizetype>(j - i)));
      i = j;
    }
  }
  if (!quoted) chopTrailingSpaces(chopLimit);
  return true;
}

// The typed forms QSettings writes with a leading '@'.
bool HasTypePrefix(const QString& s) {
  for (const char* prefix : {"@Variant(", "@DateTime(", "@Rect(", "@Size(", "@Point("}) {
    if (s.startsWith(QLatin1String(prefix))) return true;
  }
  return s == QLatin1String("@Invalid()");
}

// Plain values need no unescaping: the own puzzles, numbers, simple names.
bool IsPlain(std::string_view text) {
  static constexpr auto kPlain = [] {
    std::array<bool, 256> plain{};
    for (int ch = 0x20; ch < 0x7F; ++ch) plain[static_cast<size_t>(ch)] = true;
    for (char ch : {'\\', '"', ',', ';', '='}) plain[static_cast<unsigned char>(ch)] = false;
    return plain;
  }();
  if (text.empty()) return true;
  if (text.front() == '@' || text.front() == ' ' || text.back() == ' ') return false;
  for (char ch : text) {
    if (!kPlain[static_cast<unsigned char>(ch)]) return false;
  }
  return true;
}

// A value's characters in the file; byte arrays keep every character a byte.
std::string EscapeValue(const QString& s) {
  std::string out;
  bool needsQuotes = false, escapeNextIfDigit = false;
  const bool asBytes =
      s.startsWith(QLatin1String("@ByteArray(")) || s.startsWith(QLatin1String("@Variant("));
  QStringEncoder toUtf8(QStringEncoder::Utf8);
  for (QChar qch : s) {
    const char16_t ch = qch.unicode();
    if (ch == ';' || ch == ',' || ch == '=') needsQuotes = true;
    const bool hexDigit =
        (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
    char buffer[12];
    if (escapeNextIfDigit && hexDigit) {
      std::snprintf(buffer, sizeof buffer, "\\x%x", static_cast<unsigned>(ch));
      out += buffer;
      continue;
    }
    escapeNextIfDigit = false;
    switch (ch) {
      case '\0':
        out += "\\0";
        escapeNextIfDigit = true;
        break;
      case '\a':
        out += "\\a";
        break;
      case '\b':
        out += "\\b";
        break;
      case '\f':
        out += "\\f";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\v':
        out += "\\v";
        break;
      case '"':
      case '\\':
        out += '\\';
        out += static_cast<char>(ch);
        break;
      default:
        if (ch <= 0x1F || (ch >= 0x7F && asBytes)) {
          std::snprintf(buffer, sizeof buffer, "\\x%x", static_cast<unsigned>(ch));
          out += buffer;
          escapeNextIfDigit = true;
        } else if (!asBytes) {
          const QByteArray bytes = toUtf8(QStringView(&qch, 1));
          out.append(bytes.constData(), static_cast<size_t>(bytes.size()));
        } else {
          out += static_cast<char>(ch);
        }
    }
  }
  if (needsQuotes || (!out.empty() && (out.front() == ' ' || out.back() == ' '))) {
    out = '"' + out + '"';
  }
  return out;
}

// The value as QSettings reads it into a string; nothing for lists, byte arrays and other
// typed values.
std::optional<QString> StringValue(std::string_view text) {
  QString s;
  if (!UnescapeValue(text, s)) return std::nullopt;
  if (s.startsWith(u'@')) {
    if (s.endsWith(u')')) {
      if (s.startsWith(QLatin1String("@ByteArray(")) || HasTypePrefix(s)) return std::nullopt;
      if (s.startsWith(QLatin1String("@String("))) return s.sliced(8).chopped(1);
    }
    if (s == QLatin1String("@Invalid()")) return std::nullopt;
    if (s.startsWith(QLatin1String("@@"))) return s.sliced(1);
  }
  return s;
}

}  // namespace

std::string EncodeString(std::string_view text) {
  if (IsPlain(text) && (text.empty() || text.front() != '@')) return std::string(text);
  QString s = FromUtf8(text);
  if (s.contains(QChar::Null)) {
    s = QLatin1String("@String(") + s + u')';
  } else if (s.startsWith(u'@')) {
    s.prepend(u'@');
  }
  return EscapeValue(s);
}

std::string EncodeInt(int64_t value) {
  return std::to_string(value);
}

std::string EncodeBinary(const std::vector<uint8_t>& bytes) {
  return EscapeValue(QLatin1String("@ByteArray(") +
                     QLatin1String(reinterpret_cast<const char*>(bytes.data()),
                                   static_cast<qsizetype>(bytes.size())) +
                     u')');
}

std::optional<std::string> DecodeString(std::string_view text) {
  if (IsPlain(text)) return std::string(text);
  const auto s = StringValue(text);
  if (!s) return std::nullopt;
  return s->toStdString();
}

std::optional<int64_t> DecodeInt(std::string_view text) {
  std::string digits;
  if (IsPlain(text)) {
    digits = text;
  } else if (const auto s = StringValue(text)) {
    // Qt reads a number up to a NUL character, as a C string.
    const qsizetype nul = s->indexOf(QChar::Null);
    digits = (nul < 0 ? *s : s->first(nul)).trimmed().toStdString();
  } else {
    return std::nullopt;
  }
  std::string_view d = digits;
  if (d.starts_with('+')) {
    d.remove_prefix(1);
    if (d.empty() || d.front() == '+' || d.front() == '-') return std::nullopt;
  }
  int64_t value = 0;
  const auto [end, error] = std::from_chars(d.data(), d.data() + d.size(), value);
  if (error != std::errc() || end != d.data() + d.size()) return std::nullopt;
  return value;
}

std::optional<std::vector<uint8_t>> DecodeBinary(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos || (text[first] != '@' && text[first] != '"')) {
    return std::nullopt;
  }
  QString s;
  if (!UnescapeValue(text, s) || !s.startsWith(QLatin1String("@ByteArray(")) || !s.endsWith(u')')) {
    return std::nullopt;
  }
  const QByteArray bytes = s.sliced(11).chopped(1).toLatin1();
  return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

std::map<std::string, std::string> Parse(std::string_view data) {
  std::map<std::string, std::string> values;
  std::string section;  // with its trailing '/', empty for the top level
  size_t pos = 0, lineStart = 0, lineLen = 0, equalsPos = 0;
  while (ReadLine(data, pos, lineStart, lineLen, equalsPos)) {
    const std::string_view line = data.substr(lineStart, lineLen);
    if (line.front() == '[') {
      const size_t close = line.find(']');
      const std::string_view name =
          Trimmed(close == std::string_view::npos ? line.substr(1) : line.substr(1, close - 1));
      auto equalsCaseless = [](std::string_view a, std::string_view b) {
        return a.size() == b.size() &&
               std::equal(a.begin(), a.end(), b.begin(),
                          [](char x, char y) { return (x | 0x20) == (y | 0x20); });
      };
      if (equalsCaseless(name, "general")) {
        section.clear();
      } else {
        section =
            equalsCaseless(name, "%general") ? std::string(name.substr(1)) : UnescapeKey(name);
        section += '/';
      }
      continue;
    }
    if (equalsPos == std::string_view::npos) continue;
    const std::string_view key = Trimmed(data.substr(lineStart, equalsPos - lineStart));
    // Keys with an empty group cannot be asked for by name (QSettings keeps them unreachable):
    // they are left out, and so never written back.
    std::string path = section + UnescapeKey(key);
    if (path.empty() || path.front() == '/' || path.back() == '/' ||
        path.find("//") != std::string::npos) {
      continue;
    }
    values[std::move(path)] =
        SelfContained(data.substr(equalsPos + 1, lineStart + lineLen - equalsPos - 1));
  }
  return values;
}

std::string Write(const std::map<std::string, std::string>& values) {
  std::string out;
  size_t bytes = 0;
  for (const auto& [path, text] : values) bytes += path.size() + text.size() + 4;
  out.reserve(bytes + 64);
  // Keys outside any group go to the section "General", first.
  bool any = false;
  for (const auto& [path, text] : values) {
    if (path.find('/') != std::string::npos) continue;
    if (!any) out += "[General]\n";
    any = true;
    EscapeKey(path, out);
    out += '=';
    out += text;
    out += '\n';
  }
  std::string_view section;
  bool inSection = false;
  for (const auto& [path, text] : values) {
    const size_t slash = path.find('/');
    if (slash == std::string::npos) continue;
    const std::string_view name = std::string_view(path).substr(0, slash);
    if (!inSection || name != section) {
      if (any) out += '\n';
      any = inSection = true;
      section = name;
      std::string header;
      EscapeKey(name, header);
      bool general = header.size() == 7;
      for (size_t i = 0; general && i < 7; ++i) general = (header[i] | 0x20) == "general"[i];
      out += general ? "[%" + header + "]\n" : "[" + header + "]\n";
    }
    EscapeKey(std::string_view(path).substr(slash + 1), out);
    out += '=';
    out += text;
    out += '\n';
  }
  return out;
}

}  // namespace ini

namespace {

// The value at `path` and everything below it.
template <typename Map>
void EraseTree(Map& values, const std::string& path) {
  values.erase(path);
  const std::string below = path + '/';
  auto it = values.lower_bound(below);
  while (it != values.end() && it->first.starts_with(below)) it = values.erase(it);
}

}  // namespace

IniSettingsStore::IniSettingsStore(QString file, std::string mainKey)
    : file_(std::move(file)), mainKey_(std::move(mainKey)) {
  Reload();
}

IniSettingsStore::~IniSettingsStore() {
  if (!pending_.empty()) Flush();
}

std::string IniSettingsStore::Path(std::string_view key) const {
  std::string path = mainKey_;
  if (!key.empty()) {
    path += '/';
    path += key;
  }
  return path;
}

std::string IniSettingsStore::Path(std::string_view key, std::string_view name) const {
  std::string path = Path(key);
  path += '/';
  path += name;
  return path;
}

const std::string* IniSettingsStore::Find(std::string_view key, std::string_view name) const {
  const auto it = values_.find(Path(key, name));
  return it == values_.end() ? nullptr : &it->second;
}

std::optional<int64_t> IniSettingsStore::GetInt(std::string_view key, std::string_view name) {
  const std::string* text = Find(key, name);
  return text ? ini::DecodeInt(*text) : std::nullopt;
}

std::optional<std::string> IniSettingsStore::GetString(std::string_view key,
                                                       std::string_view name) {
  const std::string* text = Find(key, name);
  return text ? ini::DecodeString(*text) : std::nullopt;
}

std::optional<std::vector<uint8_t>> IniSettingsStore::GetBinary(std::string_view key,
                                                                std::string_view name) {
  const std::string* text = Find(key, name);
  return text ? ini::DecodeBinary(*text) : std::nullopt;
}

bool IniSettingsStore::KeyExists(std::string_view key) {
  const std::string below = Path(key) + '/';
  const auto it = values_.lower_bound(below);
  return it != values_.end() && it->first.starts_with(below);
}

std::vector<std::string> IniSettingsStore::ValueNames(std::string_view key) {
  const std::string below = Path(key) + '/';
  std::vector<std::string> names;
  auto it = values_.lower_bound(below);
  while (it != values_.end() && it->first.starts_with(below)) {
    const std::string_view rest = std::string_view(it->first).substr(below.size());
    const size_t slash = rest.find('/');
    if (slash == std::string_view::npos) {
      names.emplace_back(rest);
      ++it;
    } else {
      // A sub-key: skip all of it ('0' follows '/').
      it = values_.lower_bound(below + std::string(rest.substr(0, slash)) + '0');
    }
  }
  return names;
}

SettingsStore::NamedStrings IniSettingsStore::GetStrings(std::string_view key) {
  const std::string below = Path(key) + '/';
  NamedStrings values;
  for (auto it = values_.lower_bound(below); it != values_.end() && it->first.starts_with(below);
       ++it) {
    const std::string_view name = std::string_view(it->first).substr(below.size());
    if (name.find('/') != std::string_view::npos) continue;
    values.emplace_back(std::string(name), ini::DecodeString(it->second));
  }
  return values;
}

void IniSettingsStore::Put(std::string path, std::string text) {
  auto [it, added] = values_.try_emplace(std::move(path), std::move(text));
  if (!added) {
    if (it->second == text) return;  // unchanged: nothing to write
    it->second = std::move(text);
  }
  pending_.push_back(it->first);
  if (batch_ == 0) Flush();
}

void IniSettingsStore::PutInt(std::string_view key, std::string_view name, int64_t value) {
  Put(Path(key, name), ini::EncodeInt(value));
}

void IniSettingsStore::PutString(std::string_view key, std::string_view name,
                                 std::string_view value) {
  Put(Path(key, name), ini::EncodeString(value));
}

void IniSettingsStore::PutBinary(std::string_view key, std::string_view name,
                                 const std::vector<uint8_t>& value) {
  Put(Path(key, name), ini::EncodeBinary(value));
}

void IniSettingsStore::Remove(const std::string& path) {
  EraseTree(values_, path);
  pending_.push_back(path + '/');  // a trailing '/' marks a whole tree
  if (batch_ == 0) Flush();
}

void IniSettingsStore::DeleteValue(std::string_view key, std::string_view name) {
  Remove(Path(key, name));
}

void IniSettingsStore::DeleteKey(std::string_view key) {
  Remove(Path(key));
}

void IniSettingsStore::EndBatch() {
  if (batch_ > 0 && --batch_ == 0 && !pending_.empty()) Flush();
}

bool IniSettingsStore::Reload() {
  const QFileInfo info(file_);
  const qint64 size = info.exists() ? info.size() : -1;
  const QDateTime modified = info.exists() ? info.lastModified() : QDateTime();
  if (size == size_ && modified == modified_) return false;
  Values fresh;
  if (size >= 0) {
    QFile in(file_);
    if (!in.open(QIODevice::ReadOnly)) return false;
    const QByteArray data = in.readAll();
    fresh = ini::Parse(std::string_view(data.constData(), static_cast<size_t>(data.size())));
  }
  // Someone else's changes stay; ours since the last write are laid over them.
  for (const std::string& path : pending_) {
    if (path.ends_with('/')) {
      const std::string tree = path.substr(0, path.size() - 1);
      EraseTree(fresh, tree);
      if (const auto it = values_.find(tree); it != values_.end()) fresh[tree] = it->second;
      for (auto it = values_.lower_bound(path); it != values_.end() && it->first.starts_with(path);
           ++it) {
        fresh[it->first] = it->second;
      }
    } else if (const auto it = values_.find(path); it != values_.end()) {
      fresh[path] = it->second;
    } else {
      fresh.erase(path);
    }
  }
  values_ = std::move(fresh);
  size_ = size;
  modified_ = modified;
  return true;
}

void IniSettingsStore::Flush() {
  const QFileInfo info(file_);
  QDir().mkpath(info.absolutePath());
  // The lock QSettings takes for its writes.
  QLockFile lock(file_ + ".lock");
  if (!lock.tryLock(5000)) return;  // stays pending for the next write
  Reload();
  const std::string text = ini::Write(values_);
  QSaveFile out(file_);
  if (!out.open(QIODevice::WriteOnly) ||
      out.write(text.data(), static_cast<qint64>(text.size())) !=
          static_cast<qint64>(text.size()) ||
      !out.commit()) {
    return;
  }
  pending_.clear();
  const QFileInfo written(file_);
  size_ = written.size();
  modified_ = written.lastModified();
}

bool IniSettingsStore::EraseAll() {
  EraseTree(values_, mainKey_);
  pending_.push_back(mainKey_ + '/');
  QLockFile lock(file_ + ".lock");
  if (!lock.tryLock(5000)) return false;
  Reload();
  if (!values_.empty()) {
    lock.unlock();
    Flush();  // the application key keeps other values
    return pending_.empty();
  }
  pending_.clear();
  if (QFile::exists(file_) && !QFile::remove(file_)) return false;
  size_ = -1;
  modified_ = QDateTime();
  lock.unlock();
  // The maker's folder goes when nothing else of the maker is in it.
  const QString folder = QFileInfo(file_).absolutePath();
  if (QFileInfo(folder).fileName() == "Quillbrook") QDir().rmdir(folder);
  return true;
}

}  // namespace sudoku
