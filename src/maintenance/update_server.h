// Where the update server is: daten/updserver.dat names its base URL in one line. A missing
// file is written with the default, so the user finds the place to change it.
#pragma once

#include <QString>
#include <QUrl>

#include "ui/app_folder.h"

namespace vondrik {

inline constexpr const char* kDefaultUpdateServer = "http://127.0.0.1:8000/";

QString updateServerFile(const AppFolder& folder);

struct UpdateServer {
    QUrl base;      // always ends in "/", so the fixed paths resolve below it
    QString host;   // host, port and path as the log names the server: "127.0.0.1:8000"
    QString error;  // German message when the file names no usable http(s) address
    bool ok() const { return error.isEmpty(); }

    QUrl url(const QString& serverPath) const { return base.resolved(QUrl(serverPath)); }
};

// The server of an address text; error set when it is not an http or https URL with a host.
UpdateServer updateServerFrom(const QString& address);

// Reads the setting, creating the file with the default when it is missing.
UpdateServer readUpdateServer(const AppFolder& folder);

}  // namespace vondrik
