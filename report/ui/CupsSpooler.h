#pragma once

#include "report/PrintSpooler.h"

// Print jobs handed to CUPS, which answers with the job's id or the
// printer's or server's message.
class TCupsSpooler : public IPrintSpooler {
public:
    int Submit(const TPrintJob& job, std::string& error) override;
};
