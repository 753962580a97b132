#pragma once
#include <QString>

// kaivora.ini in the program folder: the addresses the program reaches outside itself.
struct AppConfig {
    QString updateHost;
    QString siteUrl;
    QString shopUrl;
    QString feedbackConnection;

    static AppConfig load();
};
