#include "store/TextWriter.h"

#include "platform/FileIO.h"

void TTextWriter::Close() {
    if (!FFileName.empty()) fileio::WriteFileReplacing(FFileName, FText);
}
