// vondrik_publish <server folder> <entries.tsv> [--version "Version 3.7"]: publishes the
// entries of a TSV file (word TAB meaning, one per line) as the next update of the folder a
// web server serves for the program's data update.
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include "publisher/update_publisher.h"

namespace publisher = vondrik::publisher;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    QTextStream err(stderr);
    QString version;
    const qsizetype flag = args.indexOf(QStringLiteral("--version"));
    if (flag >= 0 && flag + 1 < args.size()) {
        version = args.takeAt(flag + 1);
        args.removeAt(flag);
    }
    if (args.size() != 2) {
        err << "Aufruf: vondrik_publish <Serverordner> <Einträge.tsv> [--version \"Version X.Y\"]\n"
               "  Jede Zeile der TSV-Datei: Wort, TAB, Bedeutung (UTF-8 oder Codepage 1252).\n"
               "  Rückgabewert: 0 alles veröffentlicht, 1 nichts veröffentlicht, 2 falscher "
               "Aufruf,\n"
               "  3 veröffentlicht, aber Zeilen abgelehnt (fehlerhaft, doppelt oder schon in\n"
               "  einem früheren Update).\n";
        return publisher::kPublishUsage;
    }
    QFile input(args[1]);
    if (!input.open(QIODevice::ReadOnly)) {
        err << "Die Datei " << args[1] << " kann nicht gelesen werden: " << input.errorString()
            << "\n";
        return publisher::kPublishFailed;
    }
    const auto result = publisher::publishUpdate(args[0], input.readAll(), version);
    for (const QString& refused : result.refused) {
        err << "nicht veröffentlicht, " << refused << "\n";
    }
    if (!result.ok) {
        err << result.error << "\n";
        return publisher::kPublishFailed;
    }
    QTextStream(stdout) << "Update " << result.number << " mit " << result.published
                        << " Einträgen veröffentlicht: " << result.updateFile << "\n";
    if (!result.refused.isEmpty()) {
        // A script that publishes must notice that part of its input is missing.
        err << result.refused.size() << " Zeilen nicht veröffentlicht.\n";
        return publisher::kPublishedWithRefusals;
    }
    return publisher::kPublishedAll;
}
