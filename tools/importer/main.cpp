// vondrik_import <thesaurus.dat> <daten.mdb>: builds the default dictionary from the German
// thesaurus. The file is built under a temporary name next to the output and renamed over it
// only when complete, so a failed run never leaves a half-written dictionary behind.
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <filesystem>
#include <system_error>

#include "dictionary/database.h"
#include "dictionary/length_tables.h"
#include "importer/thesaurus.h"

namespace {

using vondrik::thesaurus::Entry;

static_assert(vondrik::thesaurus::kShortestAnswer == vondrik::kShortestWord);
static_assert(vondrik::thesaurus::kLongestAnswer == vondrik::kLongestWord);
static_assert(vondrik::thesaurus::kMeaningLimit == vondrik::kMeaningSize);

class ImportError : public std::runtime_error {
  public:
    explicit ImportError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

  private:
    QString message_;
};

std::vector<Entry> readEntries(const QString& thesaurusPath) {
    QFile file(thesaurusPath);
    if (!file.open(QIODevice::ReadOnly)) {
        throw ImportError(QStringLiteral("Der Thesaurus %1 kann nicht gelesen werden: %2")
                              .arg(thesaurusPath, file.errorString()));
    }
    std::vector<vondrik::thesaurus::Group> groups = vondrik::thesaurus::readGroups(file);
    const vondrik::thesaurus::Respelling spelling = vondrik::thesaurus::respellGroups(groups);
    QTextStream(stdout) << QStringLiteral(
                               "Zeichensatz Windows-1252: %1 Glieder umgeschrieben, %2 "
                               "weggelassen\n")
                               .arg(spelling.respelled)
                               .arg(spelling.dropped);
    return vondrik::thesaurus::entriesOf(groups);
}

// Leftovers of an interrupted run, including the files the re-keying works with.
void removeTemporaryFiles(const QString& temp) {
    for (const QString& suffix : {QString(), QStringLiteral(".neu"), QStringLiteral(".alt")}) {
        QFile::remove(temp + suffix);
    }
}

void writeDictionary(const QString& path, const std::vector<Entry>& entries) {
    const auto database = vondrik::Database::CreateDatabase(path);
    vondrik::Transaction rows(*database);
    for (const vondrik::LengthTable& table : vondrik::lengthTables()) {
        const auto appender = database->OpenTable(QLatin1String(table.name));
        for (const Entry& entry : entries) {
            if (entry.word.size() == table.length) {
                appender->AddNew();
                appender->setValue(1, entry.word);
                appender->setValue(2, entry.meaning);
                appender->Update();
            }
        }
        appender->Close();
    }
    rows.commit();
    // The file is keyed only when complete: filling a plain file is much faster.
    database->NewPassword(QString(), QLatin1String(vondrik::kDictionaryPassword));
    database->Close();
}

void replaceOutput(const QString& temp, const QString& output) {
    std::error_code error;
    // A rename within one folder replaces the old file in one step.
    std::filesystem::rename(QFile::encodeName(temp).toStdString(),
                            QFile::encodeName(output).toStdString(), error);
    if (error) {
        throw ImportError(QStringLiteral("%1 kann nicht geschrieben werden: %2")
                              .arg(output, QString::fromStdString(error.message())));
    }
}

void printCounts(const std::vector<Entry>& entries) {
    QTextStream out(stdout);
    const std::map<int, int> counts = vondrik::thesaurus::countByLength(entries);
    for (const vondrik::LengthTable& table : vondrik::lengthTables()) {
        const auto found = counts.find(table.length);
        out << QStringLiteral("%1 Buchstaben (%2): %3\n")
                   .arg(table.length, 2)
                   .arg(QLatin1String(table.name))
                   .arg(found == counts.end() ? 0 : found->second);
    }
    out << QStringLiteral("Gesamt: %1 Einträge\n").arg(entries.size());
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err << "Aufruf: vondrik_import <Thesaurus.dat> <daten.mdb>\n";
        return 2;
    }
    const QString output = QFileInfo(args[2]).absoluteFilePath();
    const QString temp = output + QStringLiteral(".import");
    try {
        const std::vector<Entry> entries = readEntries(args[1]);
        removeTemporaryFiles(temp);
        writeDictionary(temp, entries);
        replaceOutput(temp, output);
        printCounts(entries);
        return 0;
    } catch (const vondrik::thesaurus::ThesaurusError& e) {
        err << args[1] << ": " << e.message() << '\n';
    } catch (const vondrik::DatabaseError& e) {
        err << QStringLiteral("Fehler beim Schreiben von %1: %2\n").arg(output, e.message());
    } catch (const ImportError& e) {
        err << e.message() << '\n';
    } catch (const std::exception& e) {
        err << QStringLiteral("Fehler: %1\n").arg(QString::fromLocal8Bit(e.what()));
    }
    removeTemporaryFiles(temp);
    return 1;
}
