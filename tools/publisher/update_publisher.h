// Publishing new dictionary entries for the data update: a TSV of "word TAB meaning" lines
// becomes the next numbered update file of a server folder, and the index announces it.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "ui/file_steps.h"

namespace vondrik::publisher {

struct PublishResult {
    bool ok = false;
    QString error;        // why nothing was published, in German
    qint64 number = 0;    // the number of the new update
    int published = 0;    // entries in it
    QStringList refused;  // one line per input line left out, with its number and reason
    QString updateFile;   // the file written
};

// The folder the web server serves holds "datenupdate/upd.dat" and "datenupdate/<N>.upd".
// `tsv` is UTF-8 or, when it is no valid UTF-8, code page 1252, its lines ended by CR LF, LF
// or CR. A line that repeats an earlier one, or an entry an earlier update of the folder
// already carries, is refused like a faulty line: the update run would insert it twice. An empty
// `version` keeps the index's version line (the program's own version for a new index). The update
// file is written before the index that announces it, each to a temporary file renamed over the old
// one, so an interrupted run never announces a missing or half-written update. The exit status of
// vondrik_publish: everything published, nothing published (or a wrong call), or published with
// lines refused.
inline constexpr int kPublishedAll = 0;
inline constexpr int kPublishFailed = 1;
inline constexpr int kPublishUsage = 2;
inline constexpr int kPublishedWithRefusals = 3;

PublishResult publishUpdate(const QString& serverRoot, const QByteArray& tsv,
                            const QString& version = QString(),
                            const FileSteps& files = FileSteps());

}  // namespace vondrik::publisher
