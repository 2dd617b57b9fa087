#include "platform/ui/QtLocale.h"

#include "platform/ui/QtText.h"

namespace {
// The core numbers days 1 = Sunday .. 7 = Saturday, Qt 1 = Monday .. 7 = Sunday.
int QtDay(int day) {
    return day == 1 ? 7 : day - 1;
}
} // namespace

TQtLocale::TQtLocale(const QLocale& locale) : FLocale(locale) {}

std::string TQtLocale::LongMonthName(int month) const {
    if (month < 1 || month > 12) return {};
    return ToStored(FLocale.monthName(month, QLocale::LongFormat));
}

std::string TQtLocale::ShortMonthName(int month) const {
    if (month < 1 || month > 12) return {};
    return ToStored(FLocale.monthName(month, QLocale::ShortFormat));
}

std::string TQtLocale::LongDayName(int day) const {
    if (day < 1 || day > 7) return {};
    return ToStored(FLocale.dayName(QtDay(day), QLocale::LongFormat));
}

std::string TQtLocale::ShortDayName(int day) const {
    if (day < 1 || day > 7) return {};
    return ToStored(FLocale.dayName(QtDay(day), QLocale::ShortFormat));
}

std::string TQtLocale::ShortDateFormat() const {
    return ToCorePattern(FLocale.dateFormat(QLocale::ShortFormat));
}

std::string TQtLocale::LongDateFormat() const {
    return ToCorePattern(FLocale.dateFormat(QLocale::LongFormat));
}

std::string TQtLocale::LowerCase(const std::string& text) const {
    return ToStored(FromStored(text).toLower());
}

std::string TQtLocale::Country() const {
    // The "C" locale and a bare language name no country.
    if (FLocale.territory() == QLocale::AnyTerritory) return {};
    return ToStored(QLocale::territoryToCode(FLocale.territory()));
}

std::string TQtLocale::ToCorePattern(const QString& qtPattern) {
    std::string out;
    const QString p = qtPattern;
    for (qsizetype i = 0; i < p.size();) {
        QChar c = p[i];
        qsizetype run = 1;
        while (i + run < p.size() && p[i + run] == c)
            ++run;
        if (c == u'\'') {
            // Quoted literal; '' inside stands for one quote, which the core
            // patterns cannot hold, so it is dropped.
            qsizetype end = p.indexOf(u'\'', i + 1);
            if (end < 0) end = p.size();
            QString lit = p.mid(i + 1, end - i - 1);
            if (!lit.isEmpty()) out += "'" + ToStored(lit) + "'";
            i = end + 1;
            continue;
        }
        if (c == u'd' || c == u'M') {
            out.append(static_cast<size_t>(std::min<qsizetype>(run, 4)), c.toLatin1());
        } else if (c == u'y') {
            out += run >= 3 ? "yyyy" : "yy";
        } else if (c.isLetter()) {
            // Another field (era, time): leave it out.
        } else {
            out += ToStored(QString(run, c));
        }
        i += run;
    }
    // A removed field may leave separators at either end.
    size_t first = out.find_first_of("dMy'");
    size_t last = out.find_last_of("dMy'");
    if (first == std::string::npos) return "d/M/yy";
    return out.substr(first, last - first + 1);
}
