#include "web/PageAddress.h"
#include "web/ShellLauncher.h"

#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QList>
#include <QObject>
#include <QTest>
#include <QUrl>

#ifdef Q_OS_WIN
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstring>
#include <string>
#include <windows.h>

namespace {

constexpr wchar_t kHandlerKey[] = L"Software\\Classes\\http\\shell\\open\\command";
constexpr char kCatchFlag[] = "--catch-url";

bool UnderWine()
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// The handler's command line, or nothing when there is none.
std::wstring HandlerCommand()
{
    wchar_t value[2048];
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kHandlerKey, nullptr, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return {};
    return value;
}

bool SetHandlerCommand(const std::wstring& command)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kHandlerKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr)
        != ERROR_SUCCESS)
        return false;
    const LSTATUS status = RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
        static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

} // namespace

// Stands in for the desktop's browser. ShellExecuteA hands an http address to
// the command registered for http addresses, which under Wine the test makes
// itself for a while: "<this test> --catch-url <address>". Each such run
// writes a line to the file that BIORHYTHM_CAUGHT_URLS names, with how many
// arguments came after the flag, a tab, and the first; the test reads the
// lines back. On a real Windows the machine's browser is never touched, and
// the cases skip.
class UrlCatcher {
public:
    ~UrlCatcher()
    {
        if (!previous.empty())
            SetHandlerCommand(previous);
    }
    bool Start()
    {
        if (!UnderWine() || !folder.isValid())
            return false;
        path = folder.filePath(QStringLiteral("caught-urls.txt"));
        qputenv("BIORHYTHM_CAUGHT_URLS", path.toUtf8());
        if (!QFile(path).open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        if (previous.empty()) {
            previous = HandlerCommand();
            const std::wstring self = QDir::toNativeSeparators(QCoreApplication::applicationFilePath()).toStdWString();
            if (previous.empty() || !SetHandlerCommand(L"\"" + self + L"\" --catch-url \"%1\""))
                return false;
        }
        return true;
    }
    QList<QUrl> Urls() const
    {
        QList<QUrl> urls;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return urls;
        for (const QByteArray& line : file.readAll().split('\n')) {
            const qsizetype tab = line.indexOf('\t');
            if (tab < 0)
                continue;
            // An address split into several arguments is no address at all.
            urls.append(
                line.left(tab) == "1" ? QUrl(QString::fromUtf8(line.mid(tab + 1)), QUrl::TolerantMode) : QUrl());
        }
        return urls;
    }

    // The handler's run: writes down what it was given.
    static int Catch(int argc, char* argv[])
    {
        const QCoreApplication application(argc, argv);
        // Wide arguments, as the shell passed them, whatever the code page.
        const QStringList arguments = QCoreApplication::arguments().mid(2);
        QFile file(qEnvironmentVariable("BIORHYTHM_CAUGHT_URLS"));
        if (!file.open(QIODevice::Append))
            return 1;
        file.write(QByteArray::number(arguments.size()) + '\t' + arguments.value(0).toUtf8() + '\n');
        return 0;
    }

private:
    QTemporaryDir folder;
    QString path;
    std::wstring previous;
};
#else
// Stands in for the desktop's browser: QDesktopServices hands every http
// address to it instead of starting a program.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    bool Start()
    {
        urls.clear();
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "Catch");
        return true;
    }
    QList<QUrl> Urls() const { return urls; }
public slots:
    void Catch(const QUrl& url) { urls.append(url); }

private:
    QList<QUrl> urls;
};
#endif

class ShellLauncherTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        if (!catcher.Start())
            QSKIP("Windows: the test stands in for the browser under Wine only; on a real Windows the "
                  "machine's own browser would open");
    }
    void cleanup()
    {
#ifndef Q_OS_WIN
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
#endif
    }

    void OpensEachPageOncePerCall()
    {
        web::ShellLauncher launcher;
        launcher.OpenWebPage(web::PageKey::DownloadWebPage);

        QTRY_COMPARE_WITH_TIMEOUT(catcher.Urls().size(), 1, kArrival);
        QCOMPARE(catcher.Urls().first().toString(),
            QString::fromStdString(web::SiteBase()) + QStringLiteral("?page=download-web-page"));

        launcher.OpenWebPage(web::PageKey::DownloadWebPage);
        QTRY_COMPARE_WITH_TIMEOUT(catcher.Urls().size(), 2, kArrival);
        QCOMPARE(catcher.Urls().at(1), catcher.Urls().at(0));
        // No call comes twice.
        QTest::qWait(kSettle);
        QCOMPARE(catcher.Urls().size(), 2);
    }

    void SiteRootOpensWithoutSlashOrQuery()
    {
        web::ShellLauncher launcher;
        launcher.OpenAddress(web::SiteRoot(), web::kNoOwner);

        QTRY_COMPARE_WITH_TIMEOUT(catcher.Urls().size(), 1, kArrival);
        const QUrl url = catcher.Urls().first();
        QCOMPARE(url.toString(QUrl::FullyEncoded), QString::fromStdString(web::SiteRoot()));
        QVERIFY(url.path().isEmpty());
        QVERIFY(!url.hasQuery());
    }

    void UnescapedFieldsStayOneAddress()
    {
        // Form fields arrive unescaped, with blanks and non-ASCII letters;
        // the whole text must still travel as one address, field order kept.
        const std::string address
            = web::PageAddress(web::PageKey::QorvexReferAFriend) + "&taf1=Ann Lee&taf2=J\xc3\xb6rg&taf3=a@b.example";
        web::ShellLauncher launcher;
        launcher.OpenAddress(address, web::kNoOwner);

        QTRY_COMPARE_WITH_TIMEOUT(catcher.Urls().size(), 1, kArrival);
        const QUrl url = catcher.Urls().first();
        QVERIFY(url.isValid());
        QCOMPARE(url.toString(QUrl::FullyDecoded), QString::fromUtf8(address.c_str()));
        QCOMPARE(url.host(), QUrl(QString::fromStdString(web::SiteRoot())).host());
    }

private:
    // On Windows an address reaches the stand-in through another process.
    static constexpr int kArrival = 15000;
#ifdef Q_OS_WIN
    static constexpr int kSettle = 1000;
#else
    static constexpr int kSettle = 0;
#endif
    UrlCatcher catcher;
};

#ifdef Q_OS_WIN
int main(int argc, char* argv[])
{
    if (argc >= 2 && std::strcmp(argv[1], kCatchFlag) == 0)
        return UrlCatcher::Catch(argc, argv);
    QGuiApplication application(argc, argv);
    ShellLauncherTest test;
    return QTest::qExec(&test, argc, argv);
}
#else
QTEST_MAIN(ShellLauncherTest)
#endif
#include "tst_shell_launcher.moc"
