#pragma once

#include <string>

// A vCard 3.0 file of 10,000 cards (about 5 MB) as an address book exports
// it: CR LF, lines folded at 75 bytes, UTF-8 names, two phones, two e-mail
// addresses, an address and a note per card, escaped commas.
inline std::string GenerateBenchVCardFile(int cards = 10000) {
    std::string s;
    s.reserve(static_cast<size_t>(cards) * 512);
    auto line = [&s](const std::string& text) {
        // Folded before byte 75, never inside a UTF-8 character.
        size_t at = 0, width = 75;
        while (text.size() - at > width) {
            size_t cut = at + width;
            while (cut > at + 1 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
                --cut;
            s.append(text, at, cut - at).append("\r\n ");
            at = cut;
            width = 74; // the blank that starts a continuation counts
        }
        s.append(text, at, std::string::npos).append("\r\n");
    };
    for (int i = 0; i < cards; ++i) {
        const std::string n = std::to_string(i);
        const std::string number = std::to_string(1000 + i % 9000);
        line("BEGIN:VCARD");
        line("VERSION:3.0");
        line("N:M\xC3\xBCller-" + n + ";J\xC3\xBCrgen;Peter;Dr.;");
        line("FN:Dr. J\xC3\xBCrgen Peter M\xC3\xBCller-" + n);
        line("ORG:Example Trading Company " + n + " Ltd.;Sales and Distribution");
        line("TITLE:Regional Sales Manager");
        line("TEL;TYPE=WORK,VOICE:+44 113 496 " + number);
        line("TEL;TYPE=CELL:+44 7700 90" + number);
        line("EMAIL;TYPE=INTERNET,PREF:juergen.mueller" + n + "@example.com");
        line("EMAIL;TYPE=INTERNET,HOME:j.mueller" + n + "@mail.example.org");
        line("ADR;TYPE=WORK:;Floor 3;" + n +
             " Infirmary Street;Leeds;West Yorkshire;LS1 2JP;"
             "United Kingdom");
        line("NOTE:Met at the trade fair in Leeds\\, interested in the new catalogue\\; call "
             "back about " +
             n + " units.");
        line("END:VCARD");
    }
    return s;
}
