// Reading the about box's addresses.
#include "extras/contact_addresses.h"

#include <QDir>
#include <QFileInfo>

#include "dictionary/text.h"
#include "ui/text_file.h"

namespace vondrik {

ContactAddresses contactAddressesFrom(const QStringList& lines) {
    ContactAddresses addresses;
    for (const QString& line : lines) {
        const QString trimmed = trimBlanks(line);
        const qsizetype equals = trimmed.indexOf(u'=');
        if (trimmed.startsWith(u';') || equals < 0) {
            continue;
        }
        const QString key = trimBlanks(trimmed.left(equals));
        const QString value = trimBlanks(trimmed.mid(equals + 1));
        if (key.compare(u"Homepage", Qt::CaseInsensitive) == 0) {
            addresses.homepage = value;
        } else if (key.compare(u"E-Mail", Qt::CaseInsensitive) == 0) {
            addresses.mail = value;
        }
    }
    if (addresses.homepage.isEmpty()) {
        addresses.homepage = QString::fromLatin1(kDefaultHomepage);
    }
    if (addresses.mail.isEmpty()) {
        addresses.mail = QString::fromLatin1(kDefaultMailAddress);
    }
    return addresses;
}

ContactAddresses readContactAddresses(const AppFolder& folder) {
    const QString path = folder.appPath(kContactFile);
    if (!FileExists(path)) {
        // Not being able to write it changes nothing: the placeholders are used all the same.
        QDir().mkpath(QFileInfo(path).absolutePath());
        writeLines(path, {QStringLiteral("; Adressen im Fenster \"Info zu Vondrik 2000\". "
                                         "Bitte durch die eigenen ersetzen."),
                          QStringLiteral("Homepage=") + QString::fromLatin1(kDefaultHomepage),
                          QStringLiteral("E-Mail=") + QString::fromLatin1(kDefaultMailAddress)});
        return contactAddressesFrom({});
    }
    return contactAddressesFrom(readLines(path).value_or(QStringList()));
}

QUrl homepageUrl(const ContactAddresses& addresses) {
    return QUrl::fromUserInput(addresses.homepage);
}

QUrl mailUrl(const ContactAddresses& addresses) {
    return QUrl(QStringLiteral("mailto:") + addresses.mail +
                    QStringLiteral("?Subject=Vondrik 2000&Body=Hallo"),
                QUrl::TolerantMode);
}

}  // namespace vondrik
