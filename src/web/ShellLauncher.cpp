#include "web/ShellLauncher.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <vector>
#include <windows.h>
// shellapi.h needs the declarations of windows.h before it.
#include <shellapi.h>
#else
#include <QDesktopServices>
#include <QString>
#include <QUrl>
#endif

namespace web {

#ifdef Q_OS_WIN

namespace {

// The single-byte variant of the shell call wants the address in the ANSI
// code page, as the program always handed it over.
std::vector<char> ToAnsi(const std::string& utf8)
{
    const int wideLength = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::vector<wchar_t> wide(static_cast<std::size_t>(wideLength) + 1, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), wideLength);
    const int ansiLength = WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::vector<char> ansi(static_cast<std::size_t>(ansiLength) + 1, '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, ansi.data(), ansiLength, nullptr, nullptr);
    return ansi;
}

} // namespace

void ShellLauncher::OpenAddress(const std::string& address, OwnerWindow owner)
{
    const std::vector<char> ansi = ToAnsi(address);
    // The result is deliberately ignored: a missing browser is not the
    // program's business and nothing is shown.
    ShellExecuteA(reinterpret_cast<HWND>(owner), "Open", ansi.data(), nullptr, "C:\\", 1);
}

#else

void ShellLauncher::OpenAddress(const std::string& address, OwnerWindow /*owner*/)
{
    // Tolerant mode keeps the refer-a-friend fields usable even though they
    // are appended unescaped. On Linux this ends in xdg-open with the address
    // as a single argument; no shell ever sees it.
    const QUrl url(QString::fromUtf8(address.data(), static_cast<qsizetype>(address.size())), QUrl::TolerantMode);
    QDesktopServices::openUrl(url);
}

#endif

} // namespace web
