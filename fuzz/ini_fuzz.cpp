// The settings file under libFuzzer: any bytes as Pelmo.ini must read without
// a crash, and a write must read back while leaving every other key alone.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "settings/IniFile.h"

namespace {

namespace fs = std::filesystem;
using orv::ReadIni;
using orv::WriteIni;

const fs::path& Folder() {
    static const fs::path dir = [] {
        fs::path d = fs::temp_directory_path() /
                     ("orvalis-ini-fuzz-" + std::to_string(std::random_device{}()));
        fs::create_directories(d);
        return d;
    }();
    return dir;
}

void Put(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

std::string Get(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Fail(const char* what, const std::string& a, const std::string& b) {
    std::fprintf(stderr, "ini_fuzz: %s\n  got:  [%s]\n  want: [%s]\n", what, a.c_str(), b.c_str());
    std::abort();
}

bool IsNameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string path = (Folder() / "Pelmo.ini").string();
    const std::string fresh = (Folder() / "Fresh.ini").string();

    // Names: the game's own, and the first few words of the input, so the
    // fuzzer can reach its own sections and keys.
    std::vector<std::string> sections = {"Sound", "CLR"}, keys = {"SE", "CH0"};
    for (std::size_t i = 0, words = 0; i < input.size() && words < 3;) {
        std::size_t j = i;
        while (j < input.size() && IsNameChar(input[j]) && j - i < 16) ++j;
        if (j > i) {
            sections.push_back(input.substr(i, j - i));
            keys.push_back(input.substr(i, j - i));
            ++words;
        }
        i = j > i ? j : i + 1;
    }

    Put(path, input);
    // Raw slices as names: anything must be answered, nothing may crash.
    const std::string raw = input.substr(0, 24);
    if (ReadIni(raw, raw, path).size() > 254) Fail("value over 254 bytes", raw, "");
    std::vector<std::string> before;
    for (const auto& s : sections)
        for (const auto& k : keys) {
            before.push_back(ReadIni(k, s, path));
            if (before.back().size() > 254) Fail("value over 254 bytes", before.back(), "");
        }

    const unsigned char pick = size ? data[0] : 0;
    const std::string& section = sections[pick % sections.size()];
    const std::string& key = keys[(pick / 8) % keys.size()];
    const std::string tail = input.substr(input.size() > 40 ? input.size() - 40 : 0);
    const std::string values[] = {
        "1", "0", "", keys.back(), "\"" + keys.back() + "'", " 'q' ", std::string(300, 'v'), tail};
    const std::size_t which = (pick / 64 + size) % std::size(values);
    const std::string& value = values[which];
    const bool plain = which + 1 < std::size(values) && value.size() <= 254 &&
                       value.find_first_of(" '\"") == std::string::npos;

    const bool wrote = WriteIni(value, key, section, path);
    if (!wrote) {
        // Only a line break or NUL in the value, or a UTF-16 file, may refuse;
        // and a refusal leaves the file as it was.
        const bool utf16 = size >= 2 && ((data[0] == 0xFF && data[1] == 0xFE) ||
                                         (data[0] == 0xFE && data[1] == 0xFF));
        if (value.find_first_of(std::string("\r\n\0", 3)) == std::string::npos && !utf16)
            Fail("write refused", section + "/" + key, value);
        if (Get(path) != input) Fail("refused write changed the file", Get(path), input);
        return 0;
    }

    // The value reads back as it would from a file holding nothing else.
    std::error_code ec;
    fs::remove(fresh, ec);
    if (!WriteIni(value, key, section, fresh)) Fail("write to a new file refused", key, value);
    const std::string want = ReadIni(key, section, fresh);
    const std::string got = ReadIni(key, section, path);
    if (got != want) Fail("written value reads back differently", got, want);
    if (plain && got != value) Fail("plain value changed", got, value);

    std::size_t n = 0;
    for (const auto& s : sections)
        for (const auto& k : keys) {
            const bool target = Lower(s) == Lower(section) && Lower(k) == Lower(key);
            if (!target && ReadIni(k, s, path) != before[n])
                Fail(("other key changed: " + s + "/" + k).c_str(), ReadIni(k, s, path), before[n]);
            ++n;
        }
    return 0;
}
