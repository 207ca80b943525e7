#include "FailingSettingsBackend.h"
#include "MemorySettingsBackend.h"
#include "app/NativeSettingsBackend.h"
#include "app/ScrambleText.h"
#include "app/SettingsStore.h"
#include "app/Windows1252.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// Created before the application object and before any QSettings, so that the
// per-user settings path points here and the real one is never touched.
QTemporaryDir* configHome = nullptr;

const QString kScrambledDuration = QStringLiteral("\u2122\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3");
const QString kScrambledInstall = QStringLiteral("\u017E\u00C3\u00C8\u00C9\u00B6\u00C1\u00C1");
// "12/8/2026": the 8 becomes the unassigned code 0x8D.
const QString kScrambledDate = QStringLiteral("\u2020\u2021\u201E\u008D\u201E\u2021\u2026\u2021\u2039");

#ifndef Q_OS_WIN
QString OrganizationFolder()
{
    return configHome->path() + QStringLiteral("/VB and VBA Program Settings");
}

QString ConfFile(const QString& application)
{
    return OrganizationFolder() + QLatin1Char('/') + application + QStringLiteral(".conf");
}

// The [Settings] section of a settings file as it is on disk. QSettings caches
// files per path for the whole process, so a copy under a new path is read.
QMap<QString, QString> ReadFromDisk(const QString& path)
{
    const QString copy = path + QStringLiteral(".copy.ini");
    QFile::remove(copy);
    QMap<QString, QString> values;
    if (!QFile::copy(path, copy))
        return values;
    {
        QSettings settings(copy, QSettings::IniFormat);
        for (const QString& key : settings.allKeys())
            values.insert(key, settings.value(key).toString());
    }
    QFile::remove(copy);
    return values;
}

// Administrator rights write into folders without write permission.
bool IgnoresPermissions(const QString& folder)
{
    QFile probe(folder + QStringLiteral("/probe"));
    const bool opened = probe.open(QIODevice::WriteOnly);
    probe.remove();
    return opened;
}

#endif

class PermissionsRestorer {
public:
    explicit PermissionsRestorer(QString path)
        : path(std::move(path))
        , saved(QFile::permissions(this->path))
    { }
    ~PermissionsRestorer() { QFile::setPermissions(path, saved); }

private:
    QString path;
    QFile::Permissions saved;
};

} // namespace

class SettingsStoreTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(configHome && configHome->isValid());
#ifndef Q_OS_WIN
        QCOMPARE(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation), configHome->path());
#endif
    }

    void MissingSettingReadsEmpty()
    {
        testing_support::MemorySettingsBackend memory;
        QCOMPARE(app::SettingsStore(memory).ReadSetting(QStringLiteral("Duration")), QString());

#ifndef Q_OS_WIN
        app::NativeSettingsBackend native(QStringLiteral("empty"));
        QCOMPARE(app::SettingsStore(native).ReadSetting(QStringLiteral("Duration")), QString());
        QVERIFY(!QFile::exists(ConfFile(QStringLiteral("empty"))));
#endif
    }

    void StoresNamesAndValuesScrambled()
    {
        testing_support::MemorySettingsBackend memory;
        app::SettingsStore store(memory);
        QVERIFY(store.WriteSetting(QStringLiteral("Duration"), QStringLiteral("12/8/2026")));
        QVERIFY(store.WriteSetting(QStringLiteral("Install"), QStringLiteral("1")));

        const QMap<QString, QString> expected { { kScrambledDuration, kScrambledDate },
            { kScrambledInstall, QStringLiteral("\u2020") } };
        QCOMPARE(memory.values, expected);
        QCOMPARE(store.ReadSetting(QStringLiteral("Duration")), QStringLiteral("12/8/2026"));
        QCOMPARE(store.ReadSetting(QStringLiteral("Install")), QStringLiteral("1"));
    }

    void WriteReplacesEarlierValue()
    {
        testing_support::MemorySettingsBackend memory;
        app::SettingsStore store(memory);
        QVERIFY(store.WriteSetting(QStringLiteral("Install"), QStringLiteral("1")));
        QVERIFY(store.WriteSetting(QStringLiteral("Install"), QStringLiteral("12")));
        QCOMPARE(memory.values.size(), 1);
        QCOMPARE(store.ReadSetting(QStringLiteral("Install")), QStringLiteral("12"));
    }

    void FailingWriteIsReported()
    {
        testing_support::FailingSettingsBackend failing;
        failing.values.insert(kScrambledInstall, QStringLiteral("\u2020"));
        app::SettingsStore store(failing);
        QVERIFY(!store.WriteSetting(QStringLiteral("Install"), QStringLiteral("2")));
        QCOMPARE(store.ReadSetting(QStringLiteral("Install")), QStringLiteral("1"));
    }

#ifdef Q_OS_WIN
    // The registry store, under a key of the test's own that it removes again:
    // the user's real key is never touched.
    void RegistryStoreKeepsScrambledNamesAndValues()
    {
        const QString application
            = QStringLiteral("TavioBiorhythmChartTest-%1").arg(QCoreApplication::applicationPid());
        const std::wstring key
            = (QStringLiteral("Software\\VB and VBA Program Settings\\") + application).toStdWString();
        struct KeyRemover {
            std::wstring key;
            ~KeyRemover() { RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str()); }
        } remover { key };

        app::NativeSettingsBackend native(application);
        app::SettingsStore store(native);
        QCOMPARE(store.ReadSetting(QStringLiteral("Duration")), QString());
        QString all;
        for (int code = 0; code <= 170; ++code)
            all += QChar(app::Windows1252ToUnicode(static_cast<unsigned char>(code)));
        QVERIFY(store.WriteSetting(QStringLiteral("Install"), QStringLiteral("1")));
        QVERIFY(store.WriteSetting(QStringLiteral("Duration"), QStringLiteral("12/8/2026")));

        // Straight from the registry, past Qt: the two scrambled names and values.
        const auto read = [&](const QString& name) {
            wchar_t buffer[512] = {};
            DWORD size = sizeof buffer;
            const std::wstring section = key + L"\\Settings";
            if (RegGetValueW(HKEY_CURRENT_USER, section.c_str(), name.toStdWString().c_str(), RRF_RT_REG_SZ, nullptr,
                    buffer, &size)
                != ERROR_SUCCESS)
                return QStringLiteral("<missing>");
            return QString::fromWCharArray(buffer);
        };
        QCOMPARE(read(kScrambledDuration), kScrambledDate);
        QCOMPARE(read(kScrambledInstall), QStringLiteral("\u2020"));
        QCOMPARE(read(QStringLiteral("Duration")), QStringLiteral("<missing>"));

        QVERIFY(store.WriteSetting(QStringLiteral("Duration"), all));
        QCOMPARE(app::UnscrambleText(read(kScrambledDuration)), all);
        QCOMPARE(app::SettingsStore(native).ReadSetting(QStringLiteral("Duration")), all);
        QCOMPARE(store.ReadSetting(QStringLiteral("Install")), QStringLiteral("1"));
    }
#else
    void NativeStoreIsNamedAfterTheExecutable()
    {
        app::NativeSettingsBackend native;
        QCOMPARE(native.ApplicationName(), QStringLiteral("tst_app_settings_store"));
        app::SettingsStore store(native);
        QVERIFY(store.WriteSetting(QStringLiteral("Install"), QStringLiteral("1")));
        QVERIFY(store.WriteSetting(QStringLiteral("Duration"), QStringLiteral("12/8/2026")));

        const QString path = ConfFile(QStringLiteral("tst_app_settings_store"));
        QVERIFY2(QFile::exists(path), qPrintable(path));
        const QMap<QString, QString> expected { { QStringLiteral("Settings/") + kScrambledDuration, kScrambledDate },
            { QStringLiteral("Settings/") + kScrambledInstall, QStringLiteral("\u2020") } };
        QCOMPARE(ReadFromDisk(path), expected);

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(!bytes.contains("Duration"));
        QVERIFY(!bytes.contains("Install"));
        QVERIFY(!bytes.contains("2026"));

        QCOMPARE(store.ReadSetting(QStringLiteral("Duration")), QStringLiteral("12/8/2026"));
        QCOMPARE(store.ReadSetting(QStringLiteral("Install")), QStringLiteral("1"));
    }

    void NativeStoreKeepsEveryShiftableCode()
    {
        QString all;
        for (int code = 0; code <= 170; ++code)
            all += QChar(app::Windows1252ToUnicode(static_cast<unsigned char>(code)));
        app::NativeSettingsBackend native(QStringLiteral("codes"));
        QVERIFY(app::SettingsStore(native).WriteSetting(QStringLiteral("Duration"), all));

        // Through the file on disk, not just the in-process cache.
        const QMap<QString, QString> onDisk = ReadFromDisk(ConfFile(QStringLiteral("codes")));
        QCOMPARE(onDisk.keys(), QStringList { QStringLiteral("Settings/") + kScrambledDuration });
        QCOMPARE(app::UnscrambleText(onDisk.first()), all);
        QCOMPARE(app::SettingsStore(native).ReadSetting(QStringLiteral("Duration")), all);
    }

    void ReadsNothingFromTheOrganizationWideFile()
    {
        // QSettings by default falls back to the organisation's shared file
        // for a value the program's own file lacks.
        {
            QSettings shared(OrganizationFolder() + QStringLiteral(".conf"), QSettings::IniFormat);
            shared.setValue(QStringLiteral("Settings/") + kScrambledInstall, QStringLiteral("\u2020"));
            shared.sync();
            QCOMPARE(shared.status(), QSettings::NoError);
        }
        app::NativeSettingsBackend native(QStringLiteral("own"));
        QCOMPARE(app::SettingsStore(native).ReadSetting(QStringLiteral("Install")), QString());
    }

    void ReadOnlyFolderFailsAndKeepsOldValue()
    {
        app::NativeSettingsBackend native(QStringLiteral("readonly"));
        app::SettingsStore store(native);
        QVERIFY(store.WriteSetting(QStringLiteral("Install"), QStringLiteral("5")));

        const PermissionsRestorer restorer(OrganizationFolder());
        QVERIFY(QFile::setPermissions(OrganizationFolder(), QFile::ReadOwner | QFile::ExeOwner));
        if (IgnoresPermissions(OrganizationFolder()))
            QSKIP("this process writes into read-only folders (administrator rights)");

        QVERIFY(!store.WriteSetting(QStringLiteral("Install"), QStringLiteral("7")));
        QVERIFY(!store.WriteSetting(QStringLiteral("Duration"), QStringLiteral("12/8/2026")));
        // What was not stored must not read back as if it had been.
        QCOMPARE(store.ReadSetting(QStringLiteral("Install")), QStringLiteral("5"));
        QCOMPARE(store.ReadSetting(QStringLiteral("Duration")), QString());
    }

    void UnwritableFileFails()
    {
        // Something that is not a file sits where the settings file belongs;
        // no rights get around that.
        QVERIFY(QDir().mkpath(ConfFile(QStringLiteral("blocked"))));
        app::NativeSettingsBackend native(QStringLiteral("blocked"));
        app::SettingsStore store(native);
        QVERIFY(!store.WriteSetting(QStringLiteral("Install"), QStringLiteral("1")));
        QCOMPARE(store.ReadSetting(QStringLiteral("Install")), QString());
    }
#endif
};

int main(int argc, char** argv)
{
    QTemporaryDir home;
    configHome = &home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    QStandardPaths::setTestModeEnabled(false);
    QCoreApplication application(argc, argv);
    SettingsStoreTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settings_store.moc"
