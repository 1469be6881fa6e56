// Writes the seed corpora of the fuzzers: the shipped data files as they are and in the other
// encodings a player's editor may save them in, and the small edge cases of the file format.
//   make_seeds <assets/data> <corpus folder> <harness>...
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using Seeds = std::map<std::string, std::string>; // file name -> bytes

namespace {

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// UTF-8 to code points; the shipped files are valid UTF-8.
std::vector<char32_t> codePoints(const std::string& utf8) {
    std::vector<char32_t> out;
    for (size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const int extra = b < 0x80 ? 0 : b < 0xE0 ? 1 : b < 0xF0 ? 2 : 3;
        char32_t c = extra == 0 ? b : b & (0x3F >> extra);
        for (int k = 1; k <= extra && i + k < utf8.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        out.push_back(c);
        i += extra + 1;
    }
    return out;
}

// With its byte-order mark, as Windows editors save "Unicode" text.
std::string utf16(const std::string& utf8, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    const auto unit = [&](char16_t u) {
        const char hi = char(u >> 8), lo = char(u & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    };
    for (char32_t c : codePoints(utf8)) {
        if (c < 0x10000) {
            unit(char16_t(c));
        } else {
            unit(char16_t(0xD800 + ((c - 0x10000) >> 10)));
            unit(char16_t(0xDC00 + ((c - 0x10000) & 0x3FF)));
        }
    }
    return out;
}

// Latin-1 letters as single bytes, as old files were saved; anything else as '?'.
std::string cp1252(const std::string& utf8) {
    std::string out;
    for (char32_t c : codePoints(utf8))
        out += c == 0x20AC ? '\x80' : c < 0x100 ? char(c) : '?';
    return out;
}

// A literal with the NUL bytes inside it.
template <size_t N> std::string bytes(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

// The small cases of the format itself, for either reader.
void addFormatCases(Seeds& s) {
    s["empty"] = "";
    s["bom-only"] = "\xEF\xBB\xBF";
    s["utf16-bom-only"] = "\xFF\xFE";
    s["lf"] = "[Options]\nPlaySound=Yes\n[Highscore]\np1=245\n";
    s["cr"] = "[Options]\rPlaySound=No\r[Highscore]\rp1=3";
    s["mixed-ends"] = "[A]\r\nk=1\n\r[B]\rj=2\r\n\r\n";
    s["blanks-quotes"] = " [ Options ] \r\n\t PlaySound \t=\t\" Yes \" \r\nx='q'\r\ny=\"\r\n";
    s["comments"] = ";[Options]\r\n[Options]\r\n;PlaySound=No\r\nPlaySound=Yes\r\n";
    s["duplicates"] = "[Highscore]\r\np1=1\r\nP1=2\r\n[HIGHSCORE]\r\np1=3\r\n";
    s["no-end"] = "[Language]\r\nl1p=English.lan";
    s["section-no-bracket"] = "[Options\r\nPlaySound=Yes\r\n[Highscore] x ]\r\np1=7\r\n";
    s["before-section"] = "p1=9\r\n[Highscore]\r\n";
    s["long-value"] = "[Highscore]\r\np1=" + std::string(1500, '9') + "\r\n";
    s["cp1252"] = "[Options]\r\nUser=J\xF6rgen \x80\x81\x9F\r\n";
    s["bad-utf16"] = bytes("\xFF\xFE[\0A\0]\0\r\0\n\0k\0=\0\x00\xD8\x41");
    s["nul"] = bytes("[Options]\0\r\nPlaySound=Y\0es\r\n");
}

// Seeds of fuzz_profile_write: "section\0key\0value\0" and then the file as it was.
std::string writeCase(const std::string& section, const std::string& key, const std::string& value,
                      const std::string& file) {
    return section + '\0' + key + '\0' + value + '\0' + file;
}

bool writeSeeds(const fs::path& folder, const Seeds& seeds) {
    fs::create_directories(folder);
    for (const auto& [name, bytes] : seeds) {
        std::ofstream out(folder / name, std::ios::binary);
        out.write(bytes.data(), std::streamsize(bytes.size()));
        if (!out) return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <data folder> <corpus folder> <harness>...\n", argv[0]);
        return 2;
    }
    const fs::path data = argv[1], corpus = argv[2];
    const std::string ini = readFile(data / "Tarn.ini");
    const std::string english = readFile(data / "English.lan");
    const std::string swedish = readFile(data / "Swedish.lan");
    if (ini.empty() || english.empty() || swedish.empty()) {
        std::fprintf(stderr, "make_seeds: the data files in %s are missing\n", argv[1]);
        return 1;
    }

    std::map<std::string, Seeds> all;
    Seeds& read = all["fuzz_profile_read"];
    addFormatCases(read);
    read["Tarn.ini"] = ini;
    read["English.lan"] = english;
    read["Swedish.lan"] = swedish;
    read["Tarn-utf16le.ini"] = utf16(ini, false);
    read["Swedish-utf16be.lan"] = utf16(swedish, true);
    read["Swedish-bom.lan"] = "\xEF\xBB\xBF" + swedish;

    Seeds& write = all["fuzz_profile_write"];
    for (const auto& [name, bytes] : read)
        write["PlaySound-" + name] = writeCase("Options", "PlaySound", "Yes", bytes);
    write["p1-Tarn.ini"] = writeCase("Highscore", "p1", " \"245\" ", ini);
    write["l1p-Tarn.ini"] = writeCase("Language", "l1p", "Swedish.lan", ini);
    write["new-section"] = writeCase("Session", "total", "12", "[A]\na=1");
    write["line-break-value"] = writeCase("A", "k", "a\r\nb=1\r[B]\nc", "[A]\r\nk=0\r\n");
    write["long-value"] = writeCase("A", "k", std::string(1100, 'x'), "[A]\r\nk=0\r\n");
    write["utf8-value-cp1252-file"] = writeCase("Users", "user1", "\xC3\x85sa", read["cp1252"]);
    write["utf16-file"] = writeCase("Language", "selected", "2", utf16(ini, true));
    write["empty-names"] = writeCase("", "", "", "[]\r\n=x\r\n");

    Seeds& lan = all["fuzz_language"];
    lan["English.lan"] = english;
    lan["Swedish.lan"] = swedish;
    lan["Swedish-utf16le.lan"] = utf16(swedish, false);
    lan["Swedish-cp1252.lan"] = cp1252(swedish);
    lan["Swedish-lf.lan"] = swedish;
    for (size_t at; (at = lan["Swedish-lf.lan"].find("\r\n")) != std::string::npos;)
        lan["Swedish-lf.lan"].erase(at, 1);
    lan["info-only"] = english.substr(0, english.find("[Language]"));
    lan["some-texts"] = "[Language]\r\nd1=Hej!\r\nd2=\r\nc20=\"Yatzy \"\r\n[Info]\r\nAuthor=A\r\n";
    lan["empty"] = "";
    lan["damaged"] = "\x01\x02 not a language file";

    // Packages: "LBFP", three bytes, the count, then length and size per file, names, contents.
    auto package = [](const std::vector<std::pair<std::string, std::string>>& files) {
        std::string out = "LBFP\0\0\0";
        out += char(files.size());
        for (const auto& [name, bytes] : files) {
            out += char(name.size());
            for (int shift = 0; shift < 32; shift += 8)
                out += char((bytes.size() >> shift) & 0xFF);
        }
        for (const auto& file : files)
            out += file.first;
        for (const auto& file : files)
            out += file.second;
        return out;
    };
    Seeds& pac = all["fuzz_package"];
    pac["one"] = package({{"dice.wav", "RIFF....WAVE"}});
    pac["three"] = package({{"a.wav", "a"}, {"B.wav", std::string(3000, 'b')}, {"c", ""}});
    pac["duplicates"] = package({{"x.wav", "first"}, {"X.WAV", "second"}});
    pac["hostile-names"] = package({{"../up", "u"}, {"/abs", "a"}, {"a/b", "s"}, {"..", "d"}});
    pac["latin1-name"] = package({{"\x80t\xE9.wav", "euro"}});

    bool ok = true;
    for (int i = 3; i < argc; ++i) {
        const auto found = all.find(argv[i]);
        ok = writeSeeds(corpus / argv[i], found == all.end() ? Seeds{} : found->second) && ok;
    }
    return ok ? 0 : 1;
}
