#include "exchange/TextEncoding.h"

#include "platform/Errors.h"
#include "platform/TextCodec.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iconv.h>
#include <map>
#include <set>
#include <sstream>

namespace textencoding {

namespace {

const char kReplacement[] = "\xEF\xBF\xBD";

// Names compared as people write them: "utf8", "UTF-8" and "utf_8" are one.
std::string Folded(const std::string& name) {
    std::string s;
    for (char c : name) {
        if (c == '-' || c == '_' || c == ' ') continue;
        s += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return s;
}

bool IsUtf8Name(const std::string& name) {
    return Folded(name) == "UTF8";
}

bool IsWindows1252Name(const std::string& name) {
    std::string f = Folded(name);
    return f == "WINDOWS1252" || f == "CP1252";
}

class Converter {
public:
    explicit Converter(const std::string& from) : FCd(::iconv_open("UTF-8", from.c_str())) {}
    ~Converter() {
        if (Ok()) ::iconv_close(FCd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool Ok() const { return FCd != reinterpret_cast<iconv_t>(-1); }
    iconv_t Get() const { return FCd; }

private:
    iconv_t FCd;
};

// Converts with iconv; a sequence the encoding cannot hold becomes U+FFFD and
// the conversion goes on with the next byte.
std::string Iconv(std::string_view in, const std::string& from, size_t& replaced) {
    Converter cd(from);
    if (!cd.Ok()) throw EConvertError("Unknown text encoding \"" + from + "\"");
    std::string out;
    out.reserve(in.size() + in.size() / 2);
    char buf[65536];
    char* inp = const_cast<char*>(in.data());
    size_t inLeft = in.size();
    auto drain = [&](char* outp) { out.append(buf, static_cast<size_t>(outp - buf)); };
    while (inLeft > 0) {
        char* outp = buf;
        size_t outLeft = sizeof buf;
        size_t r = ::iconv(cd.Get(), &inp, &inLeft, &outp, &outLeft);
        drain(outp);
        if (r != static_cast<size_t>(-1) || errno == E2BIG) continue;
        out += kReplacement;
        ++replaced;
        if (errno == EILSEQ) {
            ++inp;
            --inLeft;
        } else {
            break; // a sequence cut off by the end of the file
        }
    }
    // Stateful encodings (ISO-2022-JP) may still owe a shift back.
    char* outp = buf;
    size_t outLeft = sizeof buf;
    ::iconv(cd.Get(), nullptr, nullptr, &outp, &outLeft);
    drain(outp);
    return out;
}

// Length of the valid UTF-8 sequence at s[i], or 0.
size_t Utf8SequenceAt(std::string_view s, size_t i) {
    auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) return 1;
    size_t len = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 0;
    if (len == 0 || i + len > s.size()) return 0;
    return textcodec::IsValidUtf8(s.substr(i, len)) ? len : 0;
}

std::string SanitizedUtf8(std::string_view s, size_t& replaced) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        size_t len = Utf8SequenceAt(s, i);
        if (len == 0) {
            out += kReplacement;
            ++replaced;
            ++i;
        } else {
            out.append(s, i, len);
            i += len;
        }
    }
    return out;
}

// Every name iconv converts from, as glibc's module lists give them; each
// module once, under its canonical name.
void AddIconvModules(std::vector<std::string>& names, std::set<std::string>& seen) {
    namespace fs = std::filesystem;
    std::vector<fs::path> dirs;
    if (const char* env = std::getenv("GCONV_PATH")) dirs.emplace_back(env);
    for (const char* d : {"/usr/lib/gconv", "/usr/lib64/gconv"})
        dirs.emplace_back(d);
    std::error_code ec;
    for (const auto& e : fs::directory_iterator("/usr/lib", ec))
        if (e.is_directory(ec) && fs::exists(e.path() / "gconv", ec))
            dirs.push_back(e.path() / "gconv");

    std::map<std::string, std::string> aliasOf; // folded alias -> canonical
    std::vector<std::string> modules;
    auto readList = [&](const fs::path& dir, const fs::path& file) {
        std::ifstream in(file);
        std::string line;
        while (std::getline(in, line)) {
            std::istringstream words(line);
            std::string kind, a, b, module;
            if (!(words >> kind >> a >> b)) continue;
            auto strip = [](std::string s) {
                while (!s.empty() && s.back() == '/')
                    s.pop_back();
                return s;
            };
            if (kind == "alias")
                aliasOf[Folded(strip(a))] = strip(b);
            else if (kind == "module" && words >> module && fs::exists(dir / (module + ".so"), ec))
                for (const std::string& side : {strip(a), strip(b)})
                    if (side != "INTERNAL") modules.push_back(side);
        }
    };
    for (const auto& dir : dirs) {
        readList(dir, dir / "gconv-modules");
        for (const auto& e : fs::directory_iterator(dir / "gconv-modules.d", ec))
            if (e.path().extension() == ".conf") readList(dir, e.path());
    }
    // A common name already listed covers its module.
    std::set<std::string> covered;
    for (const std::string& s : seen) {
        auto it = aliasOf.find(s);
        covered.insert(it == aliasOf.end() ? s : Folded(it->second));
    }
    std::sort(modules.begin(), modules.end());
    modules.erase(std::unique(modules.begin(), modules.end()), modules.end());
    // Listed with its module in place, a name is one iconv converts.
    for (const std::string& m : modules) {
        if (covered.count(Folded(m)) || seen.count(Folded(m))) continue;
        seen.insert(Folded(m));
        names.push_back(m);
    }
}

} // namespace

TUnicodeForm DetectUnicode(std::string_view b) {
    auto at = [&](size_t i) { return static_cast<unsigned char>(b[i]); };
    if (b.size() >= 3 && at(0) == 0xEF && at(1) == 0xBB && at(2) == 0xBF)
        return TUnicodeForm::Utf8Bom;
    if (b.size() >= 2 && at(0) == 0xFF && at(1) == 0xFE) return TUnicodeForm::Utf16LE;
    if (b.size() >= 2 && at(0) == 0xFE && at(1) == 0xFF) return TUnicodeForm::Utf16BE;
    size_t pairs = std::min<size_t>(b.size(), 8192) / 2;
    size_t evenZeros = 0, oddZeros = 0;
    for (size_t k = 0; k < pairs; ++k) {
        evenZeros += at(2 * k) == 0;
        oddZeros += at(2 * k + 1) == 0;
    }
    // Half the characters or more from the first 256, and the other byte of
    // each pair (almost) never zero: binary data has zeros on both sides.
    if (pairs > 0 && oddZeros * 2 >= pairs && evenZeros * 16 <= oddZeros)
        return TUnicodeForm::Utf16LE;
    if (pairs > 0 && evenZeros * 2 >= pairs && oddZeros * 16 <= evenZeros)
        return TUnicodeForm::Utf16BE;
    return TUnicodeForm::None;
}

std::string DefaultEncoding(std::string_view bytes) {
    return textcodec::IsValidUtf8(bytes) ? "UTF-8" : "Windows-1252";
}

const std::vector<std::string>& AvailableEncodings() {
    static const std::vector<std::string> list = [] {
        static const char* const common[] = {
            "UTF-8",        "Windows-1252", "ISO-8859-1",   "ISO-8859-15",  "Windows-1250",
            "Windows-1251", "Windows-1253", "Windows-1254", "Windows-1255", "Windows-1256",
            "Windows-1257", "Windows-1258", "ISO-8859-2",   "ISO-8859-3",   "ISO-8859-4",
            "ISO-8859-5",   "ISO-8859-6",   "ISO-8859-7",   "ISO-8859-8",   "ISO-8859-9",
            "ISO-8859-10",  "ISO-8859-13",  "ISO-8859-14",  "ISO-8859-16",  "KOI8-R",
            "KOI8-U",       "IBM437",       "IBM850",       "IBM852",       "IBM866",
            "MACINTOSH",    "Shift_JIS",    "CP932",        "EUC-JP",       "ISO-2022-JP",
            "GB2312",       "GBK",          "GB18030",      "Big5",         "Big5-HKSCS",
            "EUC-KR",       "CP949",        "TIS-620",      "UTF-16LE",     "UTF-16BE",
            "UTF-16",       "UTF-32"};
        std::vector<std::string> names;
        std::set<std::string> seen;
        for (const char* name : common) {
            if (!IsUtf8Name(name) && !IsWindows1252Name(name) && !Converter(name).Ok()) continue;
            names.emplace_back(name);
            seen.insert(Folded(name));
        }
        AddIconvModules(names, seen);
        return names;
    }();
    return list;
}

bool IsKnownEncoding(const std::string& name) {
    return IsUtf8Name(name) || IsWindows1252Name(name) || (!name.empty() && Converter(name).Ok());
}

TDecoded DecodeToUtf8(std::string bytes, const std::string& encoding) {
    TDecoded d;
    switch (DetectUnicode(bytes)) {
    case TUnicodeForm::Utf8Bom:
        bytes.erase(0, 3);
        d.Encoding = "UTF-8";
        d.FromUnicodeMark = true;
        break;
    case TUnicodeForm::Utf16LE:
    case TUnicodeForm::Utf16BE: {
        bool le = DetectUnicode(bytes) == TUnicodeForm::Utf16LE;
        auto lead = static_cast<unsigned char>(bytes.empty() ? 0 : bytes[0]);
        size_t skip = bytes.size() >= 2 && (lead == 0xFF || lead == 0xFE) ? 2 : 0;
        d.Encoding = le ? "UTF-16LE" : "UTF-16BE";
        d.Text = Iconv(std::string_view(bytes).substr(skip), d.Encoding, d.Replaced);
        d.FromUnicodeMark = true;
        return d;
    }
    case TUnicodeForm::None:
        d.Encoding = encoding.empty() ? DefaultEncoding(bytes) : encoding;
        break;
    }
    if (IsUtf8Name(d.Encoding)) {
        if (textcodec::IsValidUtf8(bytes))
            d.Text = std::move(bytes);
        else
            d.Text = SanitizedUtf8(bytes, d.Replaced);
    } else if (IsWindows1252Name(d.Encoding)) {
        d.Text = textcodec::Windows1252ToUtf8(bytes);
    } else {
        d.Text = Iconv(bytes, d.Encoding, d.Replaced);
    }
    return d;
}

std::string Utf8OrWindows1252(std::string bytes) {
    if (textcodec::IsValidUtf8(bytes)) return bytes;
    return textcodec::Windows1252ToUtf8(bytes);
}

void AppendCodePoint(std::string& out, uint32_t cp) {
    if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) {
        out += kReplacement;
    } else if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace textencoding
