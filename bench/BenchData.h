#pragma once

#include <string>

// A data file of 20,000 persons with an address, a phone, an e-mail address
// and a reminder each (about 100,000 records, 200,000 lines) in 200 folders.
// firstFolder persons go into the first folder, the rest spread evenly.
inline std::string GenerateBenchDataFile(int firstFolder = 100) {
    constexpr int kFolders = 200;
    constexpr int kPersons = 20000;
    std::string s = "{Params}\r\n{0 11 }My Contacts~~~~~~32892645\r\n";
    int id = 1;
    auto line = [&](int level, int kind, const std::string& title, const std::string& target,
                    const std::string& comment, const std::string& cls) {
        // Appended piece by piece: long "+" chains trip a false -Wrestrict in GCC 12.
        for (const std::string& piece :
             {std::string("{"), std::to_string(level), std::string(" "), std::to_string(kind),
              std::string(" }"), title, std::string("~~"), target, std::string("~~"), comment,
              std::string("~~"), std::to_string(id++), std::string("\r\n"), cls,
              std::string("\r\n")})
            s.append(piece);
    };
    const int rest = kPersons - firstFolder;
    int person = 0;
    for (int f = 0; f < kFolders; ++f) {
        line(1, 0, "Folder " + std::to_string(f), "", "", "{Fold}0");
        int count =
            f == 0 ? firstFolder : rest * f / (kFolders - 1) - rest * (f - 1) / (kFolders - 1);
        for (int p = 0; p < count; ++p, ++person) {
            line(2, 3, "Person " + std::to_string(person), "Mr. John Doe", "met at the fair",
                 "{Pers}Mr.~~John~~~~Doe~~Home~~Work~~~~Mail~~~~0");
            line(3, 5, "Home", "12 High Street", "",
                 "{Addr}12 High Street~~~~~~Leeds~~~~LS1 4AB~~UK~~0");
            line(3, 6, "Work", "(555)123-4567", "ext. desk", "{Phon}22~~0");
            line(3, 7, "Mail", "john.doe@example.com", "", "{Mail}0");
            line(3, 9, "Birthday", "14/3/98", "", "{Remd}2030,3,14,2~~0");
        }
    }
    return s;
}
