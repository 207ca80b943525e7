#include "app/NativeSettingsBackend.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QVariant>

#include <memory>
#include <utility>

namespace app {

namespace {

const QString kOrganization = QStringLiteral("VB and VBA Program Settings");
const QString kSection = QStringLiteral("Settings");

// A fresh QSettings per access: its error status is sticky, and a long-lived
// object would also keep reporting an old failure after a later success.
std::unique_ptr<QSettings> OpenSection(const QString& applicationName)
{
    auto settings
        = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, kOrganization, applicationName);
    // Only the program's own store: a value in the organisation-wide or the
    // system-wide store must not stand in for a missing one of ours.
    settings->setFallbacksEnabled(false);
    settings->beginGroup(kSection);
    return settings;
}

} // namespace

NativeSettingsBackend::NativeSettingsBackend()
    : NativeSettingsBackend(ExecutableBaseName())
{ }

NativeSettingsBackend::NativeSettingsBackend(QString applicationName)
    : applicationName(std::move(applicationName))
{ }

QString NativeSettingsBackend::ExecutableBaseName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString NativeSettingsBackend::Value(const QString& name) const
{
    return OpenSection(applicationName)->value(name).toString();
}

bool NativeSettingsBackend::SetValue(const QString& name, const QString& value)
{
    const auto settings = OpenSection(applicationName);
    const QVariant previous = settings->value(name);
    settings->setValue(name, value);
    settings->sync();
    if (settings->status() == QSettings::NoError)
        return true;
    // QSettings keeps its files cached for the whole process, unwritten changes
    // included, so the failed value would otherwise read back as if stored.
    // Put the cached view back to what the file holds.
    if (previous.isValid())
        settings->setValue(name, previous);
    else
        settings->remove(name);
    return false;
}

} // namespace app
