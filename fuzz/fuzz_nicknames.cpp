// Feeds arbitrary bytes to the nickname-file reader: every entry must carry
// an address with "@", in the order of the file's lines.
#include "exchange/ImportError.h"
#include "exchange/NicknameFile.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        TNicknameFile file = ParseNicknameFile(
            std::string(reinterpret_cast<const char*>(data), size), "nndbase.txt");
        int lastLine = 0;
        for (const auto& e : file.Entries) {
            if (e.Address.find('@') == std::string::npos || e.Line <= lastLine) std::abort();
            lastLine = e.Line;
        }
    } catch (const EImportError&) {
        // a NUL byte: no text file
    }
    return 0;
}
