#include "web/PageAddress.h"
#include "web/ShellLauncher.h"

#include <QDesktopServices>
#include <QFile>
#include <QList>
#include <QObject>
#include <QTest>
#include <QUrl>

#ifdef Q_OS_WIN
// Stands in for the desktop's browser. ShellExecuteA hands an http address to
// the system's handler; under Wine that is winebrowser, which passes it on to
// the host's xdg-open, and the test run puts a stand-in xdg-open first on the
// host's PATH. The stand-in writes a line per call to the file that
// BIORHYTHM_CAUGHT_URLS names: how many arguments it got, a tab, and the
// first. The calls arrive from another process, so a test waits for them.
class UrlCatcher {
public:
    bool Start()
    {
        path = qEnvironmentVariable("BIORHYTHM_CAUGHT_URLS");
        // A host path, which Wine shows on its drive Z:.
        if (path.startsWith(u'/'))
            path.prepend(QStringLiteral("Z:"));
        return !path.isEmpty() && QFile(path).open(QIODevice::WriteOnly | QIODevice::Truncate);
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

private:
    QString path;
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
            QSKIP("Windows: no stand-in browser catches the addresses (BIORHYTHM_CAUGHT_URLS names its log "
                  "under Wine); a real one would open");
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
    // Under Wine an address reaches the stand-in through two more processes.
    static constexpr int kArrival = 15000;
#ifdef Q_OS_WIN
    static constexpr int kSettle = 1000;
#else
    static constexpr int kSettle = 0;
#endif
    UrlCatcher catcher;
};

QTEST_MAIN(ShellLauncherTest)
#include "tst_shell_launcher.moc"
