// Files written whole or not at all: a full disk, a read-only folder or a failing producer
// never leaves a short file, nor touches the previous files of a set.
#include <sys/stat.h>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "data/whole_file.h"
#include "file_faults.h"

namespace {

// Everything in the folder, hidden temporaries included.
QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

void Put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

}  // namespace

using Fault = std::function<void(const QString& folder, QList<WholeFile>& files,
                                 std::function<void()>& write)>;
Q_DECLARE_METATYPE(Fault)

class TestWholeFile : public QObject {
    Q_OBJECT
  private slots:
    void setReplacesEveryFile();
    void failedSetLeavesPreviousFiles_data();
    void failedSetLeavesPreviousFiles();
    void copyIsWhole();
};

void TestWholeFile::setReplacesEveryFile() {
    QTemporaryDir dir;
    const QString a = dir.filePath("a.txt"), b = dir.filePath("b.txt");
    Put(a, "old a");
    QFile::setPermissions(a, QFile::ReadOwner | QFile::WriteOwner);
    WriteWholeFiles({{a, "new a\r\n", {}},
                     {b, {}, [](const QString& path) { Put(path, QByteArray(5000, 'b')); }}});
    QCOMPARE(FileBytes(a), QByteArray("new a\r\n"));
    QCOMPARE(FileBytes(b), QByteArray(5000, 'b'));
    QCOMPARE(Entries(dir.path()), (QStringList{"a.txt", "b.txt"}));
    // A replaced file keeps who may read it.
    const QFile::Permissions owner = QFile::ReadOwner | QFile::WriteOwner;
    QCOMPARE(QFile::permissions(a) & (owner | QFile::ReadGroup | QFile::ReadOther), owner);

    // Through a link, the file it points to is replaced and the link stays.
    QVERIFY(QFile::link(a, dir.filePath("link.txt")));
    WriteWholeFile(dir.filePath("link.txt"), "through the link");
    QVERIFY(QFileInfo(dir.filePath("link.txt")).isSymLink());
    QCOMPARE(FileBytes(a), QByteArray("through the link"));
    QCOMPARE(Entries(dir.path()), (QStringList{"a.txt", "b.txt", "link.txt"}));
}

void TestWholeFile::failedSetLeavesPreviousFiles_data() {
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("names");  // the file the message names

    // The first file of the set is small and would fit; the second is not.
    QTest::newRow("full disk") << Fault([](const QString&, QList<WholeFile>&,
                                           std::function<void()>& write) {
        write = [inner = write] {
            FileSizeLimit limit(4096);
            inner();
        };
    }) << QStringLiteral("File too large")
                               << QStringLiteral("b.txt");
    QTest::newRow("full disk under a producer")
        << Fault([](const QString&, QList<WholeFile>& files, std::function<void()>& write) {
               files[1].produce = [](const QString& path) {
                   QFile f(path);
                   f.open(QIODevice::WriteOnly);
                   if (f.write(QByteArray(20000, 'x')) != 20000 || !f.flush()) {
                       throw FileWriteError(QStringLiteral("short write"));
                   }
               };
               write = [inner = write] {
                   FileSizeLimit limit(4096);
                   inner();
               };
           })
        << QStringLiteral("short write") << QString();
    QTest::newRow("read-only folder")
        << Fault([](const QString& folder, QList<WholeFile>&, std::function<void()>& write) {
               write = [inner = write, folder] {
                   ReadOnlyFolder readOnly(folder);
                   inner();
               };
           })
        << QStringLiteral("Permission denied") << QStringLiteral("a.txt");
    QTest::newRow("a folder where the second file goes")
        << Fault([](const QString& folder, QList<WholeFile>&, std::function<void()>&) {
               QFile::remove(folder + "/b.txt");
               QDir(folder).mkdir("b.txt");
           })
        << QStringLiteral("it is a folder") << QStringLiteral("b.txt");
    // A device or a pipe is never replaced by a file.
    QTest::newRow("a pipe where the second file goes")
        << Fault([](const QString& folder, QList<WholeFile>&, std::function<void()>&) {
               QFile::remove(folder + "/b.txt");
               QVERIFY(::mkfifo(QFile::encodeName(folder + "/b.txt").constData(), 0644) == 0);
           })
        << QStringLiteral("it is not a plain file") << QStringLiteral("b.txt");
}

void TestWholeFile::failedSetLeavesPreviousFiles() {
    QFETCH(Fault, fault);
    QFETCH(QString, reason);
    QFETCH(QString, names);
    QTemporaryDir dir;
    QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                  QFile::ExeOwner | QFile::ReadOther |
                                                  QFile::ExeOther));
    const QString a = dir.filePath("a.txt"), b = dir.filePath("b.txt");
    Put(a, "previous a");
    Put(b, "previous b");
    QList<WholeFile> files{{a, "new a", {}}, {b, QByteArray(50000, 'b'), {}}};
    std::function<void()> write = [&files] { WriteWholeFiles(files); };
    fault(dir.path(), files, write);
    const QStringList before = Entries(dir.path());

    // Another program holds the previous file open while the set fails.
    QFile held(a);
    QVERIFY(held.open(QIODevice::ReadOnly));
    try {
        write();
        QFAIL("the write reported success");
    } catch (const FileWriteError& e) {
        QVERIFY2(e.text().contains(reason) && e.text().contains(names), qPrintable(e.text()));
    }
    QCOMPARE(held.readAll(), QByteArray("previous a"));
    QCOMPARE(FileBytes(a), QByteArray("previous a"));
    if (QFileInfo(b).isFile() && !QFileInfo(b).isSymLink()) {
        QCOMPARE(FileBytes(b), QByteArray("previous b"));
    }
    QCOMPARE(Entries(dir.path()), before);
}

void TestWholeFile::copyIsWhole() {
    QTemporaryDir dir;
    const QString source = dir.filePath("source.bin"), target = dir.filePath("target.bin");
    Put(source, QByteArray(3 << 20, 's'));  // several pieces
    Put(target, "previous");
    {
        FileSizeLimit limit(1 << 20);
        QVERIFY_THROWS_EXCEPTION(FileWriteError, CopyWholeFile(source, target));
    }
    QCOMPARE(FileBytes(target), QByteArray("previous"));
    CopyWholeFile(source, target);
    QCOMPARE(FileBytes(target), FileBytes(source));
    QCOMPARE(Entries(dir.path()), (QStringList{"source.bin", "target.bin"}));
    try {
        CopyWholeFile(dir.filePath("missing.bin"), target);
        QFAIL("a missing source was copied");
    } catch (const FileWriteError& e) {
        QVERIFY(e.text().startsWith("Cannot read") && e.text().contains("missing.bin"));
    }
}

QTEST_MAIN(TestWholeFile)
#include "test_whole_file.moc"
