#include "clock_texts.h"

#include <QRegularExpression>
#include <QStringList>
#include <vector>

#include "data/translate.h"

namespace {

// The lines the clock workflows show, with %1, %2 ... where they put a value. More particular
// lines come before the general "... Error : ..." ones that would match them too.
const char* const kClockTexts[] = {
    QT_TRANSLATE_NOOP("ClockMemo", "Please connect to club antenna and clock."),
    QT_TRANSLATE_NOOP("ClockMemo", "In synchronize Loft Number: %1 Please Wait! "),
    QT_TRANSLATE_NOOP("ClockMemo", "Clock Synchornize Success !"),
    QT_TRANSLATE_NOOP("ClockMemo", "Loft : %1 in Marked data Upload , Pls Wait !"),
    QT_TRANSLATE_NOOP("ClockMemo", "Loft : %1 in Result data Upload , Pls Wait !"),
    QT_TRANSLATE_NOOP("ClockMemo", "Marked data upload Success !"),
    QT_TRANSLATE_NOOP("ClockMemo", "Race Result upload Success !"),
    QT_TRANSLATE_NOOP("ClockMemo", "RaceCode : %1 No Marked data ! "),
    QT_TRANSLATE_NOOP("ClockMemo", "Race Result No Record upload !"),
    QT_TRANSLATE_NOOP("ClockMemo", "Please. Select Race Code !"),
    QT_TRANSLATE_NOOP("ClockMemo", "Ring %1 of loft %2 already belongs to loft %3 : not added !"),
    QT_TRANSLATE_NOOP("ClockMemo", "PRingNo not found in this race (%1)!!"),
    QT_TRANSLATE_NOOP("ClockMemo", "Race %1 not found !"),
    QT_TRANSLATE_NOOP("ClockMemo", "Security Code not match !! (%1)"),
    QT_TRANSLATE_NOOP("ClockMemo", "Clock deviation %1 s is beyond the club's limit of %2 s !"),
    QT_TRANSLATE_NOOP("ClockMemo",
                      "Database busy (another program is using it) : waiting to "
                      "store what was read, Pls Wait !"),
    QT_TRANSLATE_NOOP("ClockMemo",
                      "Database busy (another program is using it) : waiting for it, Pls Wait !"),
    QT_TRANSLATE_NOOP("ClockMemo", "Database Error : not stored, the clock is read again : %1"),
    QT_TRANSLATE_NOOP("ClockMemo", "Database Error : the clock is read again : %1"),
    QT_TRANSLATE_NOOP("ClockMemo", "Do you want to Initialize this timer ? (it holds no loft yet)"),
    QT_TRANSLATE_NOOP("ClockMemo", "Do you want to Initialize this timer ? (it now holds loft %1)"),
    QT_TRANSLATE_NOOP("ClockMemo", "LoftNo Wrong ! ReCheck ! (the clock holds loft none, not %1)"),
    QT_TRANSLATE_NOOP("ClockMemo", "LoftNo Wrong ! ReCheck ! (the clock holds loft %1, not %2)"),
    QT_TRANSLATE_NOOP("ClockMemo", "%1 Loft/Club Data Download Success !"),
    QT_TRANSLATE_NOOP("ClockMemo",
                      "Run stopped before the clock was read to the end : the Clock "
                      "Operation screen was left !"),
    QT_TRANSLATE_NOOP("ClockMemo",
                      "Run stopped before the clock was read to the end : the tab "
                      "was changed !"),
    QT_TRANSLATE_NOOP("ClockMemo", "Unable to write to com port %1 (port not open)"),
    QT_TRANSLATE_NOOP("ClockMemo", "Unable to write to com port %1 (%2)"),
    QT_TRANSLATE_NOOP("ClockMemo", "pigeon %1 of %2 sent"),
    QT_TRANSLATE_NOOP("ClockMemo", "pigeon %1 of %2 read"),
    QT_TRANSLATE_NOOP("ClockMemo", "pigeon %1 of %2"),
    // A failure on the link, named; %1 is the clock's command.
    QT_TRANSLATE_NOOP("ClockMemo", "%1 Error : no answer from the clock"),
    QT_TRANSLATE_NOOP("ClockMemo", "%1 Error : the clock's answer broke off"),
    QT_TRANSLATE_NOOP("ClockMemo", "%1 Error : the port is not open"),
    // %1 is the clock's command, %2 the clock's own error text: both stay as they are.
    QT_TRANSLATE_NOOP("ClockMemo", "%1 Error : %2"),
    QT_TRANSLATE_NOOP("ClockMemo", "%1 Error :%2"),
    QT_TRANSLATE_NOOP("ClockMemo", "%1 Error !"),
};

struct Pattern {
    const char* english;
    QRegularExpression match;
};

const std::vector<Pattern>& Patterns() {
    static const std::vector<Pattern> patterns = [] {
        std::vector<Pattern> list;
        static const QRegularExpression marker(QStringLiteral("%[1-9]"));
        for (const char* text : kClockTexts) {
            const QString english = QString::fromUtf8(text);
            QString expression;
            qsizetype from = 0;
            for (auto it = marker.globalMatch(english); it.hasNext();) {
                const QRegularExpressionMatch m = it.next();
                expression +=
                    QRegularExpression::escape(english.mid(from, m.capturedStart() - from));
                expression += QStringLiteral("(.*)");
                from = m.capturedEnd();
            }
            expression += QRegularExpression::escape(english.mid(from));
            list.push_back(
                {text, QRegularExpression(QRegularExpression::anchoredPattern(expression),
                                          QRegularExpression::DotMatchesEverythingOption)});
        }
        return list;
    }();
    return patterns;
}

QString ShownLine(const QString& line) {
    for (const Pattern& p : Patterns()) {
        const QRegularExpressionMatch m = p.match.match(line);
        if (!m.hasMatch()) {
            continue;
        }
        QString shown = Translated("ClockMemo", QString::fromUtf8(p.english));
        // Values are put in one pass, so a value holding "%2" is never taken for a marker.
        for (int i = 1; i <= m.lastCapturedIndex(); ++i) {
            shown.replace(QStringLiteral("%%1").arg(i), QStringLiteral("\x01%1\x01").arg(i));
        }
        QString out;
        const QStringList parts = shown.split(QChar(0x01));
        for (qsizetype i = 0; i < parts.size(); ++i) {
            out += (i % 2 == 1) ? m.captured(parts[i].toInt()) : parts[i];
        }
        return out;
    }
    return line;
}

}  // namespace

QString ShownClockText(const QString& english) {
    QStringList lines = english.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        line = ShownLine(line);
    }
    return lines.join(QLatin1Char('\n'));
}
