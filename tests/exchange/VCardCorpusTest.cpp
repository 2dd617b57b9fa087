// Files written by other programs (outside the repository; the test is
// skipped where they are absent): every one reads, and every card holds as
// many ADR, TEL (FAX among them) and EMAIL properties as a plain count of its
// lines finds, so that the import can create one item for each.
#include "exchange/VCardFile.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <regex>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using TCounts = std::array<int, 4>; // ADR, TEL, of these FAX, EMAIL

fs::path CorpusFolder() {
    const char* env = std::getenv("MERROWIN_VCARD_CORPUS");
    return env ? fs::path(env) : fs::path("/work/shared/corpus/vcard");
}

std::vector<TCounts> ModelCounts(const TVCardFile& f) {
    std::vector<TCounts> all;
    for (const TCard& card : f.Cards()) {
        TCounts c{};
        c[0] = static_cast<int>(card.FindProperties("ADR").size());
        for (const TCardProperty* tel : card.FindProperties("TEL")) {
            ++c[1];
            c[2] += tel->Has(cpFax);
        }
        c[3] = static_cast<int>(card.FindProperties("EMAIL").size());
        all.push_back(c);
    }
    return all;
}

// The count as a shell script would make it: NUL bytes out (UTF-16 names are
// ASCII), lines split at CR and LF, a line beginning with a blank or a tab
// appended to the one before, then the lines between BEGIN:VCARD and
// END:VCARD that name ADR, TEL or EMAIL, a group prefix allowed.
std::vector<TCounts> PlainCounts(std::string bytes) {
    std::erase(bytes, '\0');
    std::vector<std::string> lines;
    std::string line;
    for (char c : bytes + "\n") {
        if (c != '\r' && c != '\n') {
            line += c;
            continue;
        }
        if (!line.empty() && (line[0] == ' ' || line[0] == '\t') && !lines.empty())
            lines.back() += line.substr(1);
        else if (!line.empty())
            lines.push_back(line);
        line.clear();
    }
    const auto icase = std::regex::icase;
    const std::regex begin("^(\\xEF\\xBB\\xBF|\\xFF\\xFE|\\xFE\\xFF)?BEGIN:VCARD.*", icase);
    const std::regex end("^END:VCARD.*", icase);
    const std::regex prop("^([A-Za-z0-9-]+\\.)?(ADR|TEL|EMAIL)[;:].*", icase);
    const std::regex fax("^[^:]*[;=,]FAX[;,:].*", icase);
    std::vector<TCounts> all;
    bool inCard = false;
    for (const std::string& l : lines) {
        if (std::regex_match(l, begin)) {
            all.push_back({});
            inCard = true;
        } else if (std::regex_match(l, end)) {
            inCard = false;
        } else if (std::smatch m; inCard && std::regex_match(l, m, prop)) {
            std::string name = m[2];
            for (char& c : name)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            TCounts& c = all.back();
            if (name == "ADR") ++c[0];
            if (name == "TEL") ++c[1], c[2] += std::regex_match(l, fax);
            if (name == "EMAIL") ++c[3];
        }
    }
    return all;
}

TEST(VCardCorpus, EveryFileReadsWithTheCountsOfAPlainLineCount) {
    const fs::path folder = CorpusFolder();
    if (!fs::is_directory(folder)) GTEST_SKIP() << "no corpus at " << folder;
    int files = 0, cards = 0;
    TCounts total{};
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() != ".vcf") continue;
        ++files;
        std::ifstream in(entry.path(), std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        TVCardFile f;
        f.Filename = entry.path().string();
        ASSERT_NO_THROW(f.Read()) << f.Filename;
        std::vector<TCounts> model = ModelCounts(f), plain = PlainCounts(bytes);
        ASSERT_EQ(model.size(), plain.size()) << f.Filename;
        for (size_t i = 0; i < model.size(); ++i) {
            EXPECT_EQ(model[i], plain[i]) << f.Filename << " card " << i;
            for (size_t k = 0; k < total.size(); ++k)
                total[k] += model[i][k];
        }
        cards += f.CardCount();
        // What the writer makes of it reads back the same.
        TVCardFile again;
        again.ReadText(f.Text());
        EXPECT_EQ(again.Text(), f.Text()) << f.Filename;
    }
    EXPECT_GT(files, 0);
    std::cout << files << " files, " << cards << " cards, " << total[0] << " ADR, " << total[1]
              << " TEL (" << total[2] << " FAX), " << total[3] << " EMAIL\n";
}

} // namespace
