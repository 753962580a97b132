#include "platform/app_config.h"
#include "store/program_folder.h"
#include <QSettings>

AppConfig AppConfig::load()
{
    QSettings ini(ProgramFolder::file(QStringLiteral("kaivora.ini")), QSettings::IniFormat);
    AppConfig config;
    config.updateHost = ini.value(QStringLiteral("update/host")).toString();
    config.siteUrl = ini.value(QStringLiteral("links/site")).toString();
    config.shopUrl = ini.value(QStringLiteral("links/shop")).toString();
    config.feedbackConnection = ini.value(QStringLiteral("feedback/odbc")).toString();
    return config;
}
