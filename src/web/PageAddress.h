#pragma once

// Addresses of the maker's web site. Every page is SiteBase() + "?page=" + its
// key; the host is a build-time setting (BIORHYTHM_SITE_HOST) and appears
// nowhere else in the code.

#include <string>
#include <string_view>

namespace web {

enum class PageKey {
    HomePage,
    HelpWebPage,
    DownloadWebPage,
    Donate,
    FullyBranded,
    CoBrand,
    PellarySoftwares,
    QorvexReferAFriend,
};

// The fixed word of a page key, as it stands in the address ("home-page").
std::string_view PageKeyText(PageKey key);

// The site's host name alone, as the texts name the site.
std::string_view SiteHost();

// The program's folder on the site, "/tavio-free-biorhythm-chart-software/",
// slashes at both ends.
std::string_view SiteFolder();

// "http://" + SiteHost(), without path or trailing slash.
std::string SiteRoot();

// SiteRoot() + SiteFolder() + "ssd.php".
std::string SiteBase();

// SiteBase() + "?page=" + PageKeyText(key).
std::string PageAddress(PageKey key);

} // namespace web
