#include "app/SettingsStore.h"

#include "app/ScrambleText.h"

namespace app {

QString SettingsStore::ReadSetting(const QString& key) const
{
    return UnscrambleText(backend.Value(ScrambleText(key)));
}

bool SettingsStore::WriteSetting(const QString& key, const QString& text)
{
    return backend.SetValue(ScrambleText(key), ScrambleText(text));
}

} // namespace app
