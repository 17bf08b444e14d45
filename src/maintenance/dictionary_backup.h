// The backup of the whole dictionary into the folder "Sicherung": one scrambled text file per
// length table and a copy of the data-update counter.
#pragma once

#include <QString>

#include "dictionary/dictionary_session.h"
#include "maintenance/backup_files.h"
#include "ui/app_folder.h"
#include "ui/file_steps.h"

namespace vondrik {

struct BackupResult {
    bool ok = false;
    QString message;  // why the backup stopped, in German for the user; empty when ok
};

// Reads every length table through the session ("Select * from <table>", each result becoming
// its auswahl) and writes the new set, synced, into a folder beside the old backup; only the
// complete set takes the old one's place, in one step, so at every moment one complete set
// exists. Without a counter file (no update applied yet) the set holds no upd.int.
// progress gets 0 at the start, n - 1 after the table of length n, 16 at the end. Events run
// inside progress, so a second run could start there; the window keeps its buttons disabled
// until this returns. files marks the steps for the crash test.
BackupResult backupDictionary(DictionarySession& session, const AppFolder& folder,
                              const ProgressStep& progress = {}, const FileSteps& files = {});

}  // namespace vondrik
