// The update server's address from its settings file.
#include "maintenance/update_server.h"

#include "dictionary/text.h"
#include "ui/text_file.h"

namespace vondrik {

QString updateServerFile(const AppFolder& folder) {
    return folder.appPath(u"daten/updserver.dat");
}

UpdateServer updateServerFrom(const QString& address) {
    UpdateServer server;
    QUrl url(trimBlanks(address), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != u"http" && scheme != u"https") ||
        url.hasQuery() || url.hasFragment()) {
        server.error = QStringLiteral("Die Serveradresse \"%1\" in %2 ist keine http-Adresse!")
                           .arg(trimBlanks(address), QStringLiteral("daten\\updserver.dat"));
        return server;
    }
    if (!url.path().endsWith(u'/')) {
        url.setPath(url.path() + u'/');
    }
    server.base = url;
    // No user name or password: the host is shown in the log.
    QString host = url.host(QUrl::FullyDecoded);
    if (url.port() != -1) {
        host += u':' + QString::number(url.port());
    }
    host += url.path(QUrl::FullyDecoded);
    while (host.endsWith(u'/')) {
        host.chop(1);
    }
    server.host = host;
    return server;
}

UpdateServer readUpdateServer(const AppFolder& folder) {
    const QString path = updateServerFile(folder);
    if (!FileExists(path)) {
        // Not being able to write it changes nothing: the default is used all the same.
        writeLines(path, {QString::fromLatin1(kDefaultUpdateServer)});
        return updateServerFrom(QString::fromLatin1(kDefaultUpdateServer));
    }
    QString address;
    for (const QString& line : readLines(path).value_or(QStringList())) {
        if (!trimBlanks(line).isEmpty()) {
            address = line;
            break;
        }
    }
    return updateServerFrom(address);
}

}  // namespace vondrik
