#pragma once

#include <QDate>
#include <QString>

#include "db/JetDate.h"

// Months of the synthetic records, counted as year * 12 + month - 1.
namespace synth {

// No record reaches beyond June 2025, so that a seed gives the same data whenever it runs.
constexpr int kPresentMonth = 2025 * 12 + 5;

inline int monthOf(int year, int month) {
    return year * 12 + month - 1;
}

inline int yearOf(int month) {
    return month / 12;
}

// "yyyy.mm", the way month texts are stored.
inline QString monthText(int month) {
    const int year = month / 12;
    const int m = month % 12 + 1;
    const char16_t text[7] = {static_cast<char16_t>(u'0' + year / 1000),
                              static_cast<char16_t>(u'0' + year / 100 % 10),
                              static_cast<char16_t>(u'0' + year / 10 % 10),
                              static_cast<char16_t>(u'0' + year % 10),
                              u'.',
                              static_cast<char16_t>(u'0' + m / 10),
                              static_cast<char16_t>(u'0' + m % 10)};
    return QString::fromUtf16(text, 7);
}

// The date a month text stands for: the first of the month, as a stored date serial.
inline double monthSerial(int month) {
    return jet::toSerial(QDate(month / 12, month % 12 + 1, 1));
}

}  // namespace synth
