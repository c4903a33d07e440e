#include "settings/QtSettingsStore.h"

using namespace Qt::StringLiterals;

namespace kelpie {

namespace {

QString SettingPath(std::string_view section, std::string_view key)
{
    return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) + u'/' +
           QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

}  // namespace

QtSettingsStore::QtSettingsStore()
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, u"Kelpie"_s, u"Kelpie"_s)
{}

std::optional<std::string> QtSettingsStore::GetSetting(std::string_view section, std::string_view key) const
{
    const QVariant value = m_settings.value(SettingPath(section, key));
    if (!value.isValid()) {
        return std::nullopt;
    }
    // A value with commas that was not written by QSettings itself reads back as a list.
    if (value.userType() == QMetaType::QStringList) {
        return value.toStringList().join(u", "_s).toStdString();
    }
    return value.toString().toStdString();
}

void QtSettingsStore::SaveSetting(std::string_view section, std::string_view key, std::string_view value)
{
    m_settings.setValue(SettingPath(section, key),
                        QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
    m_settings.sync();
}

}  // namespace kelpie
