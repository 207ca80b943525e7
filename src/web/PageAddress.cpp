#include "web/PageAddress.h"

#ifndef BIORHYTHM_SITE_HOST
#error "BIORHYTHM_SITE_HOST must name the web site's host; the build passes it in"
#endif

namespace web {

std::string_view PageKeyText(PageKey key)
{
    switch (key) {
    case PageKey::HomePage:
        return "home-page";
    case PageKey::HelpWebPage:
        return "help-web-page";
    case PageKey::DownloadWebPage:
        return "download-web-page";
    case PageKey::Donate:
        return "donate";
    case PageKey::FullyBranded:
        return "fully-branded";
    case PageKey::CoBrand:
        return "co-brand";
    case PageKey::PellarySoftwares:
        return "pellarysoftwares";
    case PageKey::QorvexReferAFriend:
        return "qorvex-refer-a-friend";
    }
    // Only reachable through a value cast from outside the enumeration; the
    // home page is the harmless place to land.
    return "home-page";
}

std::string_view SiteHost()
{
    return BIORHYTHM_SITE_HOST;
}

std::string_view SiteFolder()
{
    return "/tavio-free-biorhythm-chart-software/";
}

std::string SiteRoot()
{
    return "http://" + std::string(SiteHost());
}

std::string SiteBase()
{
    return SiteRoot() + std::string(SiteFolder()) + "ssd.php";
}

std::string PageAddress(PageKey key)
{
    std::string address = SiteBase();
    address += "?page=";
    address += PageKeyText(key);
    return address;
}

} // namespace web
