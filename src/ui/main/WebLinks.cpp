#include "ui/main/WebLinks.h"

#include "ui/Look.h"
#include "web/Launcher.h"

#include <QWidget>

#include <stdexcept>
#include <string>

namespace ui {
namespace {

using web::PageKey;

constexpr WebLink kLinks[] = {
    { "Command1", "Donate", PageKey::Donate },
    { "Label1",
        "Our esoteric discussion forum: the most popular, the best esoteric resource. "
        "Visit it now at %1",
        std::nullopt },
    { "lblFullBrand",
        "Home Business Opportunity. Start your own Internet business and make money "
        "online. Get this software fully branded for your website. Click here for "
        "more details.",
        PageKey::FullyBranded },
    { "lblCobrand",
        "Co-brand this software for your site.  Increase loyalty and traffic to your "
        "site. Put your site's name &  link here. See \"Help\" for details.    Click "
        "Here for more info on co-branding.",
        PageKey::CoBrand },
    { "mnuOnline", "Online &Help", PageKey::HelpWebPage },
    { "mnuV", "Visit Us Online", PageKey::HomePage },
    { "mnuCheckUpdate", "Check For Update", PageKey::DownloadWebPage },
    { "mnuDonate", "Donate", PageKey::Donate },
    { "mnuMakeMoney", "Make Money &Online", PageKey::FullyBranded },
};

} // namespace

const WebLink& MainWindowLink(std::string_view objectName)
{
    for (const WebLink& link : kLinks)
        if (link.objectName == objectName)
            return link;
    throw std::out_of_range("no web link named " + std::string(objectName));
}

QString LinkCaption(const WebLink& link)
{
    const QString caption = FromUtf8(link.caption);
    return link.page ? caption : caption.arg(QString::fromStdString(web::SiteRoot()));
}

void OpenLink(const WebLink& link, web::Launcher& launcher, QWidget& window)
{
    if (link.page)
        launcher.OpenWebPage(*link.page);
    else
        launcher.OpenAddress(web::SiteRoot(), static_cast<web::OwnerWindow>(window.winId()));
}

} // namespace ui
