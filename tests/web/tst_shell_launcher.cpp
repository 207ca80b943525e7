#include "web/PageAddress.h"
#include "web/ShellLauncher.h"

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QTest>
#include <QUrl>

// Stands in for the desktop's browser: QDesktopServices hands every http
// address to it instead of starting a program.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void Catch(const QUrl& url) { urls.append(url); }
};

class ShellLauncherTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows: addresses go to ShellExecuteA, past Qt's URL handlers; no test can catch them "
              "short of starting a browser");
#endif
        catcher.urls.clear();
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "Catch");
    }
    void cleanup()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    }

    void OpensEachPageOncePerCall()
    {
        web::ShellLauncher launcher;
        launcher.OpenWebPage(web::PageKey::DownloadWebPage);

        QCOMPARE(catcher.urls.size(), 1);
        QCOMPARE(catcher.urls.first().toString(),
            QString::fromStdString(web::SiteBase()) + QStringLiteral("?page=download-web-page"));

        launcher.OpenWebPage(web::PageKey::DownloadWebPage);
        QCOMPARE(catcher.urls.size(), 2);
        QCOMPARE(catcher.urls.at(1), catcher.urls.at(0));
    }

    void SiteRootOpensWithoutSlashOrQuery()
    {
        web::ShellLauncher launcher;
        launcher.OpenAddress(web::SiteRoot(), web::kNoOwner);

        QCOMPARE(catcher.urls.size(), 1);
        QCOMPARE(catcher.urls.first().toString(QUrl::FullyEncoded), QString::fromStdString(web::SiteRoot()));
        QVERIFY(catcher.urls.first().path().isEmpty());
        QVERIFY(!catcher.urls.first().hasQuery());
    }

    void UnescapedFieldsStayOneAddress()
    {
        // Form fields arrive unescaped, with blanks and non-ASCII letters;
        // the whole text must still travel as one address, field order kept.
        const std::string address
            = web::PageAddress(web::PageKey::QorvexReferAFriend) + "&taf1=Ann Lee&taf2=J\xc3\xb6rg&taf3=a@b.example";
        web::ShellLauncher launcher;
        launcher.OpenAddress(address, web::kNoOwner);

        QCOMPARE(catcher.urls.size(), 1);
        const QUrl& url = catcher.urls.first();
        QVERIFY(url.isValid());
        QCOMPARE(url.toString(QUrl::FullyDecoded), QString::fromUtf8(address.c_str()));
        QCOMPARE(url.host(), QUrl(QString::fromStdString(web::SiteRoot())).host());
    }

private:
    UrlCatcher catcher;
};

QTEST_MAIN(ShellLauncherTest)
#include "tst_shell_launcher.moc"
