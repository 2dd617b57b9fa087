#include "report/ReportPage.h"

std::vector<const TDrawText*> TReportPage::Texts() const {
    std::vector<const TDrawText*> texts;
    for (const TDrawCommand& c : Commands)
        if (const auto* t = std::get_if<TDrawText>(&c)) texts.push_back(t);
    return texts;
}
