// Workbooks of 10,000 rings: rows per second written and read back through the workbook
// component, and the time of a whole ring import into the database (one transaction), first
// into an empty club (every ring inserted), then again (every ring updated).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

#include "data/clock.h"
#include "data/database.h"
#include "data/progress.h"
#include "members/ring_workbook.h"
#include "spreadsheet/workbook_reader.h"

namespace {
constexpr int kRings = 10000;

void addMember(TdmZOLF& db) {
    db.exec("insert into ZOL_LoftData (LoftNo,LoftName) values('001','Bench loft')");
}

double perSecond(int rows, qint64 ns) {
    return rows / (double(ns) / 1e9);
}
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    FixedClock clock(QDateTime(QDate(2026, 6, 15), QTime(10, 0)));
    NoProgress none;
    const QString file = dir.filePath("rings.xlsx");

    {
        TdmZOLF db(dir.filePath("source.db"));
        addMember(db);
        db.transaction([&] {
            for (int i = 0; i < kRings; ++i)
                db.exec(
                    "insert into ZOL_PigData (LoftNo,PRingNo,RCountry,RYear,RRegLetter,"
                    "RRegNumber,Sex,ColorType,E_Ring,SynchFlag,DeleteMark) "
                    "values('001',?,'GB','2016','A',?,'H','BB',?,0,0)",
                    {QString("GB16A%1").arg(i, 5, 10, QChar('0')),
                     QString("%1").arg(i, 5, 10, QChar('0')), QString::number(900000 + i)});
        });
        QElapsedTimer t;
        t.start();
        ExportRings(db, "001", file, none);
        const qint64 ns = t.nsecsElapsed();
        std::printf("write  %d rings: %8.0f rows/s (%.0f ms)\n", kRings, perSecond(kRings, ns),
                    ns / 1e6);
    }
    {
        QElapsedTimer t;
        t.start();
        const WorkbookReader read(file);
        qint64 characters = 0;
        for (int r = 1; r <= read.rowCount(); ++r)
            for (int c = 1; c <= read.columnCount(); ++c)
                characters += read.text(r, c).size();
        const qint64 ns = t.nsecsElapsed();
        std::printf("read   %d rings: %8.0f rows/s (%.0f ms, %lld characters)\n",
                    read.rowCount() - 1, perSecond(read.rowCount() - 1, ns), ns / 1e6, characters);
    }
    {
        TdmZOLF db(dir.filePath("target.db"));
        addMember(db);
        for (const char* what : {"inserted", "updated"}) {
            QElapsedTimer t;
            t.start();
            const RingImportResult result = ImportRings(db, clock, file, none);
            const qint64 ns = t.nsecsElapsed();
            std::printf("import %d rings %s: %.0f ms in one transaction (%.0f rows/s)\n",
                        result.inserted + result.updated, what, ns / 1e6, perSecond(kRings, ns));
        }
    }
    return 0;
}
