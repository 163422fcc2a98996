// The preferences file on its own, and the choice of the folder it lives in.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "shell/ConfigFolder.h"
#include "shell/Preferences.h"

using namespace kvd::gui;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

}  // namespace

class PreferencesTest : public QObject {
    Q_OBJECT
private slots:
    void loadCreatesAnEmptyFileAndReadsZeros() {
        QTemporaryDir dir;
        QCOMPARE(Preferences::Load(dir.path()), Preferences{});
        QCOMPARE(ReadAll(Preferences::PathIn(dir.path())), QByteArray());
    }

    void saveWritesThreeBytesInPlaceAndNeverTruncates() {
        QTemporaryDir dir;
        const QString path = Preferences::PathIn(dir.path());
        WriteAll(path, QByteArray("\x00\x00\x00\xff\xfe", 5));
        QVERIFY((Preferences{1, 8, 1}).Save(dir.path()));
        QCOMPARE(ReadAll(path), QByteArray("\x01\x08\x01\xff\xfe", 5));
        QCOMPARE(Preferences::Load(dir.path()), (Preferences{1, 8, 1}));
    }

    void bytesAreReadAsStoredAndMissingOnesAsZero() {
        QTemporaryDir dir;
        WriteAll(Preferences::PathIn(dir.path()), QByteArray("\x02\xff\x05", 3));
        QCOMPARE(Preferences::Load(dir.path()), (Preferences{2, 255, 5}));
        WriteAll(Preferences::PathIn(dir.path()), QByteArray("\x01", 1));
        QCOMPARE(Preferences::Load(dir.path()), (Preferences{1, 0, 0}));
    }

    void aFileThatMayOnlyBeReadStillGivesItsBytes() {
        QTemporaryDir dir;
        const QString path = Preferences::PathIn(dir.path());
        WriteAll(path, QByteArray("\x01\x03\x01", 3));
        QFile::setPermissions(path, QFileDevice::ReadOwner);
        QCOMPARE(Preferences::Load(dir.path()), (Preferences{1, 3, 1}));
    }

    void missingFolderGivesZerosAndSaveReportsFailure() {
        QTemporaryDir dir;
        WriteAll(dir.filePath("file"), "x");
        const QString folder = dir.filePath("file/below");
        QCOMPARE(Preferences::Load(folder), Preferences{});
        QVERIFY(!(Preferences{1, 1, 1}).Save(folder));
    }

    void programFolderIsChosenWhenWritable() {
        QTemporaryDir program;
        QTemporaryDir user;
        QCOMPARE(ChooseConfigFolder(program.path(), user.filePath("cfg")), program.path());
        QVERIFY(!QDir(user.filePath("cfg")).exists());
    }

    void userFolderIsChosenAndMadeWhenTheProgramFolderCannotBeWritten() {
        QTemporaryDir user;
        WriteAll(user.filePath("file"), "x");
        const QString notAFolder = user.filePath("file");
        const QString userFolder = user.filePath("config/kvd270");
        QCOMPARE(ChooseConfigFolder(notAFolder, userFolder), userFolder);
        QVERIFY(QDir(userFolder).exists());
    }
};

QTEST_GUILESS_MAIN(PreferencesTest)
#include "PreferencesTest.moc"
