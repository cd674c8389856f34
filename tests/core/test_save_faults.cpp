// Save under faults: killed at any moment, refused by a read-only or full file system, or
// with its ROM file gone. Whatever happens, the ROM file is the old image or the new one,
// backup.rom is a whole earlier file, and a failure says which file and why.
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/app/FileIO.h"
#include "core/app/RomFile.h"
#include "core/level/Rom.h"

using namespace orvane;

namespace {

constexpr size_t kImageSize = 1 << 20; // as large as NES images come
constexpr int kKills = 300;

std::vector<uint8_t> pattern(size_t n, uint8_t seed) {
    std::vector<uint8_t> v(n);
    for (size_t i = 0; i < n; ++i)
        v[i] = static_cast<uint8_t>(seed + i * 13 + (i >> 11));
    return v;
}

std::vector<uint8_t> read(const std::string& path) {
    return readWholeFile(path).value_or(std::vector<uint8_t>{});
}

} // namespace

class TestSaveFaults : public QObject {
    Q_OBJECT
    bool m_canMount = false;

private slots:
    void initTestCase() {
        // Mounts made in a mount namespace of the test's own vanish with it, whatever
        // happens to the test.
        m_canMount = ::unshare(CLONE_NEWNS) == 0 &&
                     ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    }

    void killedAtAnyMomentLeavesOldOrNewFile() {
        QTemporaryDir dir;
        const std::string rom = dir.filePath("game.nes").toStdString();
        const std::string backup = dir.filePath("backup.rom").toStdString();
        const auto earlier = pattern(kImageSize, 1), old = pattern(kImageSize, 2);
        const Rom image(pattern(kImageSize, 3));

        // A child process saves; it ends with 0 when the save went through.
        const auto startSave = [&] {
            const pid_t child = ::fork();
            if (child == 0)
                ::_exit(saveRomWithBackup(rom, image, backup) == SaveResult::Saved ? 0 : 1);
            return child;
        };
        // One save undisturbed gives the span the kills are spread over.
        QVERIFY(writeFileAtomically(rom, old));
        QElapsedTimer clock;
        clock.start();
        int status = 0;
        QCOMPARE(::waitpid(startSave(), &status, 0) > 0 && WIFEXITED(status), true);
        const qint64 span = std::max<qint64>(clock.nsecsElapsed() / 1000 * 5 / 4, 1000);

        int untouched = 0, backedUp = 0, saved = 0;
        for (int i = 0; i < kKills; ++i) {
            QVERIFY(writeFileAtomically(rom, old));
            QVERIFY(writeFileAtomically(backup, earlier));
            const pid_t child = startSave();
            QVERIFY(child > 0);
            ::usleep(static_cast<useconds_t>(QRandomGenerator::global()->bounded(span)));
            ::kill(child, SIGKILL);
            QCOMPARE(::waitpid(child, &status, 0), child);
            QVERIFY(!WIFEXITED(status) || WEXITSTATUS(status) == 0);

            const auto nowRom = read(rom), nowBackup = read(backup);
            QVERIFY2(nowRom == old || nowRom == image.bytes(), "the ROM file is partial");
            QVERIFY2(nowBackup == earlier || nowBackup == old, "backup.rom is partial");
            // The ROM file is replaced only once the old one is safe in the backup.
            QVERIFY(nowRom == old || nowBackup == old);
            ++(nowRom != old ? saved : nowBackup == old ? backedUp : untouched);
        }
        qInfo("%d kills: %d before the backup, %d between backup and save, %d after", kKills,
              untouched, backedUp, saved);

        // A kill leaves at most a temporary file behind, and the next save goes through.
        QCOMPARE(saveRomWithBackup(rom, image, backup), SaveResult::Saved);
        QCOMPARE(read(rom), image.bytes());
    }

    void refusedSaveLosesNothing_data() {
        QTest::addColumn<QString>("options"); // of the file system the files are on
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("reason");
        // Room for the old file and its backup, not for the new file beside them.
        QTest::newRow("full") << "size=2560k" << false << int(SaveResult::RomWriteFailed)
                              << "No space left on device";
        // Room for the old file alone: not even the backup can be written.
        QTest::newRow("full before the backup")
            << "size=1536k" << false << int(SaveResult::BackupFailed) << "No space left on device";
        QTest::newRow("read-only")
            << "size=4m" << true << int(SaveResult::BackupFailed) << "Read-only file system";
    }
    void refusedSaveLosesNothing() {
        QFETCH(QString, options);
        QFETCH(bool, readOnly);
        QFETCH(int, result);
        QFETCH(QString, reason);
        if (!m_canMount) QSKIP("this machine does not allow mounting a small file system here");
        QTemporaryDir dir;
        const std::string fsDir = dir.path().toStdString();
        QCOMPARE(::mount("tmpfs", fsDir.c_str(), "tmpfs", 0, options.toLatin1().constData()), 0);
        const auto unmount = qScopeGuard([&] { ::umount(fsDir.c_str()); });
        const std::string rom = fsDir + "/game.nes", backup = fsDir + "/backup.rom";
        const auto old = pattern(kImageSize, 2);
        QVERIFY(writeFileAtomically(rom, old));
        if (readOnly)
            QCOMPARE(::mount(nullptr, fsDir.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);

        std::string why;
        const auto got = saveRomWithBackup(rom, Rom(pattern(kImageSize, 3)), backup, &why);
        const std::string message = saveProblemMessage(got, rom, backup, why);
        qInfo("%s", message.c_str());
        QCOMPARE(int(got), result);
        QVERIFY(message.find(got == SaveResult::BackupFailed ? backup : rom) != std::string::npos);
        QVERIFY(message.find(reason.toStdString()) != std::string::npos);
        QCOMPARE(read(rom), old);
        // No partial file is left to fill the disk: only a whole backup, or none.
        const QStringList kept = got == SaveResult::RomWriteFailed
                                     ? QStringList{"backup.rom", "game.nes"}
                                     : QStringList{"game.nes"};
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), kept);
        if (got == SaveResult::RomWriteFailed) QCOMPARE(read(backup), old);
    }

    void romFileGoneIsStillSaved() {
        // The ROM file was moved away while the editor ran: nothing to back up, and the
        // edits must not be lost for it.
        QTemporaryDir dir;
        const std::string rom = dir.filePath("game.nes").toStdString();
        const std::string backup = dir.filePath("backup.rom").toStdString();
        const auto earlier = pattern(4096, 1);
        QVERIFY(writeFileAtomically(backup, earlier));
        const Rom image(pattern(4096, 3));
        QCOMPARE(saveRomWithBackup(rom, image, backup), SaveResult::Saved);
        QCOMPARE(read(rom), image.bytes());
        QCOMPARE(read(backup), earlier);
    }
};

QTEST_GUILESS_MAIN(TestSaveFaults)
#include "test_save_faults.moc"
