#include "settings/IniFile.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string_view>
#include <system_error>

// The settings file is read like the desktop's profile functions read it, so a
// file edited by hand on Windows behaves the same here:
// - lines end in CRLF, LF or a lone CR; a UTF-8 byte order mark is skipped;
// - blanks (space, tab, VT, FF and the Ctrl-Z old editors leave at the end)
//   around names and values do not count; names match ignoring ASCII case;
// - ';' starts a comment line, a line without '=' is no key, lines before the
//   first [section] belong to none;
// - only the first [section] of a name counts, and in it the first key;
// - a value in a matching pair of "" or '' comes back without them, a NUL
//   ends it (as in a C buffer), and it is cut to 254 bytes.
// Writes change only the bytes of one value, or add one line (or a section
// and a line), and replace the file in one rename so it is never half written.
namespace orv {
namespace {

namespace fs = std::filesystem;

constexpr const char* kMissing = "ERROR";
constexpr std::size_t kMaxValue = 254;  // a 255-byte buffer and its NUL
// A settings file is a few dozen bytes. Anything bigger than this is not ours:
// it reads as if it had no keys and is never rewritten, rather than eating
// memory or time.
constexpr std::uintmax_t kMaxFileSize = 16u << 20;
constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1a';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

// Paths come in as UTF-8 whatever the platform's narrow encoding is.
fs::path ToPath(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

enum class FileState { Missing, Loaded, Unusable };

// Reads the whole file once. Directories, devices and pipes are Unusable
// without being opened, so a bad path can never block.
FileState LoadFile(const fs::path& path, std::string& text) {
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (st.type() == fs::file_type::not_found) return FileState::Missing;
    if (ec || !fs::is_regular_file(st)) return FileState::Unusable;
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec || size > kMaxFileSize) return FileState::Unusable;

    std::ifstream in(path, std::ios::binary);
    if (!in) return FileState::Unusable;
    text.clear();
    text.reserve(static_cast<std::size_t>(size));
    char chunk[65536];
    // The file may grow while we read; stop at the same limit.
    while (in && text.size() <= kMaxFileSize) {
        in.read(chunk, sizeof chunk);
        text.append(chunk, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad() || text.size() > kMaxFileSize) return FileState::Unusable;
    return FileState::Loaded;
}

// Where Key of Section is, or where it would go, found in one pass.
struct Scan {
    bool sectionFound = false;
    bool keyFound = false;
    std::size_t valueBegin = 0, valueEnd = 0;  // the trimmed value, quotes included
    std::size_t insertAt = 0;                  // just after the section's last key line
    bool insertNeedsBreak = false;             // that line is the last and has no line break
};

Scan Find(std::string_view text, std::string_view section, std::string_view key) {
    Scan s;
    bool inSection = false;
    std::size_t pos = text.substr(0, kBom.size()) == kBom ? kBom.size() : 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = text.size();
        std::size_t next = end;
        if (next < text.size()) next += text.compare(next, 2, "\r\n") == 0 ? 2 : 1;
        const std::string_view line = Trim(text.substr(pos, end - pos));
        pos = next;

        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            // The name runs to the last ']'; "[x" without one is an ordinary line.
            const std::size_t close = line.rfind(']');
            if (close != std::string_view::npos) {
                if (inSection) break;  // our section ended without the key
                if (SameName(Trim(line.substr(1, close - 1)), section)) {
                    s.sectionFound = inSection = true;
                    s.insertAt = next;
                    s.insertNeedsBreak = next == end;
                }
                continue;
            }
        }
        const std::size_t eq = line.find('=');
        if (!inSection || eq == std::string_view::npos) continue;
        if (SameName(Trim(line.substr(0, eq)), key)) {
            const std::string_view value = Trim(line.substr(eq + 1));
            s.keyFound = true;
            // An empty value still has a place: right after the '='.
            s.valueBegin = value.empty()
                               ? static_cast<std::size_t>(line.data() + eq + 1 - text.data())
                               : static_cast<std::size_t>(value.data() - text.data());
            s.valueEnd = s.valueBegin + value.size();
            return s;
        }
        s.insertAt = next;
        s.insertNeedsBreak = next == end;
    }
    return s;
}

std::string Shown(std::string_view value) {
    value = value.substr(0, value.find('\0'));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value.substr(0, kMaxValue));
}

// New lines follow the file's first line break; a new file gets CRLF, as the
// desktop's profile functions write it.
std::string_view LineBreak(std::string_view text) {
    const std::size_t at = text.find_first_of("\r\n");
    if (at == std::string_view::npos) return "\r\n";
    if (text[at] == '\n') return "\n";
    return text.compare(at, 2, "\r\n") == 0 ? "\r\n" : "\r";
}

bool HasLineBreakOrNul(std::string_view s) {
    return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// A read-only file stays untouched even for an administrator, like the
// read-only attribute on Windows; otherwise we must be able to open it for
// writing, although the new text arrives by rename.
bool IsReadOnly(const fs::path& path) {
    std::error_code ec;
    const fs::perms perms = fs::status(path, ec).permissions();
    if (ec || (perms & fs::perms::owner_write) == fs::perms::none) return true;
    std::fstream probe(path, std::ios::in | std::ios::out | std::ios::binary);
    return !probe.is_open();
}

// Rewrites an existing file in place, as the desktop's profile functions do.
bool OverwriteFile(const fs::path& target, const std::string& text) {
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    return !out.fail();
}

// Writes text next to target and renames it over target: a crash or a full
// disk leaves the old file or the new one, never a mix. A folder that takes
// no new files (a shared folder where only our own file is ours to change)
// gets the file rewritten in place instead.
bool ReplaceFile(const fs::path& target, const std::string& text, std::optional<fs::perms> perms) {
    std::error_code ec;
    thread_local std::mt19937_64 rng(std::random_device{}());
    fs::path tmp;
    for (int attempt = 0;; ++attempt) {
        if (attempt == 8) return false;
        tmp = target;
        std::string suffix = ".";
        suffix += std::to_string(rng() % 1000000000000u);
        suffix += ".tmp";
        tmp += suffix;
        if (!fs::exists(tmp, ec) && !ec) break;
    }
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out) return perms && OverwriteFile(target, text);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.close();
        if (out.fail()) {
            fs::remove(tmp, ec);
            return false;
        }
    }
    if (perms) fs::permissions(tmp, *perms, ec);  // best effort: keep who may read it
    fs::rename(tmp, target, ec);
    if (ec) {
        fs::remove(tmp, ec);
        return false;
    }
    return true;
}

bool Write(const std::string& Value, const std::string& Key, const std::string& Section,
           const std::string& Path) {
    // A line break or NUL would split the line and corrupt the file; a key
    // that reads back as a comment, a section or another key is refused too.
    const std::string_view key = Trim(Key), section = Trim(Section);
    if (HasLineBreakOrNul(Value) || HasLineBreakOrNul(key) || HasLineBreakOrNul(section) ||
        key.empty() || section.empty() || key.front() == ';' || key.front() == '[' ||
        key.find('=') != std::string_view::npos || Path.empty())
        return false;

    fs::path path = ToPath(Path);
    std::error_code ec;
    // Through a link we update the file it points to and keep the link.
    if (fs::is_symlink(fs::symlink_status(path, ec))) {
        path = fs::canonical(path, ec);
        if (ec) return false;
    }
    std::string text;
    const FileState state = LoadFile(path, text);
    if (state == FileState::Unusable) return false;
    std::optional<fs::perms> perms;
    if (state == FileState::Loaded) {
        if (IsReadOnly(path)) return false;
        perms = fs::status(path, ec).permissions();
        // A UTF-16 file would be spoiled by single-byte lines.
        if (text.size() >= 2 &&
            ((text[0] == '\xFF' && text[1] == '\xFE') || (text[0] == '\xFE' && text[1] == '\xFF')))
            return false;
    }

    const Scan s = Find(text, section, key);
    const std::string_view eol = LineBreak(text);
    std::string out;
    out.reserve(text.size() + Value.size() + key.size() + section.size() + 8);
    if (s.keyFound) {
        out.append(text, 0, s.valueBegin).append(Value).append(text, s.valueEnd);
    } else if (s.sectionFound) {
        out.append(text, 0, s.insertAt);
        if (s.insertNeedsBreak) out.append(eol);
        out.append(key).append("=").append(Value).append(eol);
        out.append(text, s.insertAt);
    } else {
        out = text;
        const bool blank = text.empty() || text == kBom;
        if (!blank && text.back() != '\n' && text.back() != '\r') out.append(eol);
        out.append("[").append(section).append("]").append(eol);
        out.append(key).append("=").append(Value).append(eol);
    }
    return ReplaceFile(path, out, perms);
}

}  // namespace

std::string ReadIni(const std::string& Key, const std::string& Section, const std::string& Path) {
    // Nothing may escape to the title screen; any failure reads as missing.
    try {
        const std::string_view key = Trim(Key), section = Trim(Section);
        if (key.empty() || section.empty() || Path.empty()) return kMissing;
        std::string text;
        if (LoadFile(ToPath(Path), text) != FileState::Loaded) return kMissing;
        const Scan s = Find(text, section, key);
        if (!s.keyFound) return kMissing;
        return Shown(std::string_view(text).substr(s.valueBegin, s.valueEnd - s.valueBegin));
    } catch (...) {
        return kMissing;
    }
}

bool WriteIni(const std::string& Value, const std::string& Key, const std::string& Section,
              const std::string& Path) {
    try {
        return Write(Value, Key, Section, Path);
    } catch (...) {
        return false;
    }
}

}  // namespace orv
