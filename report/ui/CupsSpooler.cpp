#include "report/ui/CupsSpooler.h"

#include <cups/cups.h>

int TCupsSpooler::Submit(const TPrintJob& job, std::string& error) {
    cups_option_t* options = nullptr;
    int count = 0;
    for (const auto& [name, value] : job.Options)
        count = cupsAddOption(name.c_str(), value.c_str(), count, &options);
    int id =
        cupsPrintFile(job.Printer.c_str(), job.File.c_str(), job.Title.c_str(), count, options);
    cupsFreeOptions(count, options);
    if (id <= 0) {
        const char* message = cupsLastErrorString();
        error = message && *message ? message : "The print job was refused.";
        return 0;
    }
    return id;
}
