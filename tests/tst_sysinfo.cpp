#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include "about/frmAbout.h"
#include "about/sysinfo_registry.h"
#include "fake_platform.h"
#include "message_box_recorder.h"
#include "test_main.h"

using runtime::kHKeyLocalMachine;

namespace {

const std::string kToolPath = "C:\\Programmi\\MSInfo\\msinfo32.exe";
const std::string kToolFolder = "C:\\Programmi\\Strumenti";
const QString kUnavailable = QStringLiteral("Le informazioni sul sistema non sono attualmente disponibili.");

QStringList toList(const std::vector<std::string> &texts)
{
    QStringList list;
    for (const std::string &text : texts)
        list << QString::fromStdString(text);
    return list;
}

} // namespace

class TestSysInfo : public QObject {
    Q_OBJECT

private Q_SLOTS:

    void readsValuesAsText_data();
    void readsValuesAsText();
    void failedLookUpEmptiesText_data();
    void failedLookUpEmptiesText();
    void startsTheToolOrSaysItIsUnavailable_data();
    void startsTheToolOrSaysItIsUnavailable();
    void desktopRegistryNamesFirstToolOnPath_data();
    void desktopRegistryNamesFirstToolOnPath();
};

void TestSysInfo::readsValuesAsText_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("text");

    const QByteArray path("C:\\Programmi\\msinfo32.exe");
    QTest::newRow("string with its NUL") << 1u << path + '\0' << path;
    QTest::newRow("string filling its size without NUL keeps all") << 1u << path << path;
    QTest::newRow("empty string") << 1u << QByteArray(1, '\0') << QByteArray();
    QTest::newRow("string filling the buffer") << 1u << QByteArray(1023, 'x') + '\0' << QByteArray(1023, 'x');
    QTest::newRow("string longer than the buffer is read whole") << 1u << QByteArray(3000, 'y') + '\0'
                                                                 << QByteArray(3000, 'y');
    QTest::newRow("32-bit number keeps its zero high byte") << 4u << QByteArray("\x0A\x00\x00\x00", 4)
                                                             << QByteArray("&h0000000A");
    QTest::newRow("32-bit number, two digits a byte") << 4u << QByteArray("\x78\x56\x34\x12", 4)
                                                       << QByteArray("&h12345678");
    QTest::newRow("32-bit zero") << 4u << QByteArray(4, '\0') << QByteArray("&h00000000");
    QTest::newRow("other types leave the text as it was") << 3u << QByteArray("\x01\x02") << QByteArray("before");
}

void TestSysInfo::readsValuesAsText()
{
    QFETCH(uint, type);
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, text);

    FakePlatform platform;
    platform.store.values.setValue(kHKeyLocalMachine, "SOFTWARE\\Valutrino", "Valore", type, data.toStdString());
    frmAbout about(platform);
    std::string keyVal = "before";
    QVERIFY(about.GetKeyValue(kHKeyLocalMachine, "software\\valutrino", "VALORE", keyVal));
    QCOMPARE(QByteArray::fromStdString(keyVal), text);
    QCOMPARE(platform.store.openHandles, 0);
    QCOMPARE(platform.store.badCloses, 0);
}

void TestSysInfo::failedLookUpEmptiesText_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("missing key") << "SOFTWARE\\Altro" << "Valore";
    QTest::newRow("missing value") << "SOFTWARE\\Valutrino" << "Altro";
}

void TestSysInfo::failedLookUpEmptiesText()
{
    QFETCH(QString, key);
    QFETCH(QString, value);

    FakePlatform platform;
    platform.store.values.setString(kHKeyLocalMachine, "SOFTWARE\\Valutrino", "Valore", "x");
    frmAbout about(platform);
    std::string keyVal = "before";
    QVERIFY(!about.GetKeyValue(kHKeyLocalMachine, key.toStdString(), value.toStdString(), keyVal));
    QCOMPARE(keyVal, std::string());
    QCOMPARE(platform.store.openHandles, 0);
    QCOMPARE(platform.store.badCloses, 0); // a key that never opened is not closed
}

void TestSysInfo::startsTheToolOrSaysItIsUnavailable_data()
{
    QTest::addColumn<bool>("pathRecorded");
    QTest::addColumn<bool>("folderRecorded");
    QTest::addColumn<bool>("toolInFolder");
    QTest::addColumn<bool>("startSucceeds");
    QTest::addColumn<QStringList>("fileTests");
    QTest::addColumn<QStringList>("started");
    QTest::addColumn<bool>("unavailable");

    const QString path = QString::fromStdString(kToolPath);
    const QString inFolder = QString::fromStdString(kToolFolder) + "\\MSINFO32.EXE";
    QTest::newRow("path recorded: started as read, no file test")
        << true << false << false << true << QStringList() << QStringList{path} << false;
    QTest::newRow("path wins over folder") << true << true << true << true << QStringList() << QStringList{path} << false;
    QTest::newRow("folder holding the tool") << false << true << true << true << QStringList{inFolder}
                                             << QStringList{inFolder} << false;
    QTest::newRow("folder without the tool") << false << true << false << true << QStringList{inFolder}
                                             << QStringList() << true;
    QTest::newRow("nothing recorded") << false << false << false << true << QStringList() << QStringList() << true;
    QTest::newRow("tool fails to start") << true << false << false << false << QStringList() << QStringList{path}
                                         << true;
}

void TestSysInfo::startsTheToolOrSaysItIsUnavailable()
{
    QFETCH(bool, pathRecorded);
    QFETCH(bool, folderRecorded);
    QFETCH(bool, toolInFolder);
    QFETCH(bool, startSucceeds);
    QFETCH(QStringList, fileTests);
    QFETCH(QStringList, started);
    QFETCH(bool, unavailable);

    FakePlatform platform;
    if (pathRecorded)
        platform.store.values.setString(kHKeyLocalMachine, kSysInfoKey, kSysInfoValue, kToolPath);
    if (folderRecorded)
        platform.store.values.setString(kHKeyLocalMachine, kSysInfoLocationKey, kSysInfoLocationValue, kToolFolder);
    if (toolInFolder)
        platform.files.insert(kToolFolder + "\\MSINFO32.EXE");
    platform.startSucceeds = startSucceeds;

    MessageBoxRecorder messageBoxes;
    frmAbout(platform).StartSysInfo();

    QCOMPARE(toList(platform.fileTests), fileTests);
    QCOMPARE(toList(platform.started), started);
    QCOMPARE(messageBoxes.messages.size(), unavailable ? 1 : 0);
    if (unavailable) {
        QCOMPARE(messageBoxes.messages[0].prompt, kUnavailable);
        QCOMPARE(messageBoxes.messages[0].icon, runtime::MsgBoxIcon::None);
        QCOMPARE(messageBoxes.messages[0].title, QStringLiteral("Valutrino"));
    }
    QCOMPARE(platform.store.openHandles, 0);
    QCOMPARE(platform.store.badCloses, 0);
}

void TestSysInfo::desktopRegistryNamesFirstToolOnPath_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("chosen");

    QTest::newRow("none installed") << QStringList() << QString();
    QTest::newRow("KDE's info centre") << QStringList{"kinfocenter"} << "kinfocenter";
    QTest::newRow("HardInfo before the info centre") << QStringList{"kinfocenter", "hardinfo"} << "hardinfo";
    QTest::newRow("unrelated programs are not taken") << QStringList{"msinfo32", "gedit"} << QString();
}

void TestSysInfo::desktopRegistryNamesFirstToolOnPath()
{
    QFETCH(QStringList, installed);
    QFETCH(QString, chosen);

    QTemporaryDir bin;
    QVERIFY(bin.isValid());
    for (const QString &program : installed) {
        QFile file(bin.filePath(program));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    }
    const QByteArray path = qgetenv("PATH");
    const auto restorePath = qScopeGuard([&] { qputenv("PATH", path); });
    qputenv("PATH", QFile::encodeName(bin.path()));

    std::string keyVal;
    FakePlatform platform;
    platform.store.values = sysInfoRegistry();
    const bool found = frmAbout(platform).GetKeyValue(kHKeyLocalMachine, kSysInfoKey, kSysInfoValue, keyVal);
    QCOMPARE(found, !chosen.isEmpty());
    QCOMPARE(QString::fromStdString(keyVal), chosen.isEmpty() ? QString() : bin.filePath(chosen));
}

VALUTRINO_TEST_MAIN(TestSysInfo)
#include "tst_sysinfo.moc"
