// The restore: the dictionary database rebuilt from the backup files of the folder
// "Sicherung", and the data-update counter put back from its copy.
#pragma once

#include <QString>

#include "dictionary/dictionary_session.h"
#include "maintenance/backup_files.h"
#include "ui/app_folder.h"

namespace vondrik {

enum class RestoreStatus {
    Done,      // the session works on the rebuilt dictionary
    NoBackup,  // nothing was changed; message and title are the notice to show
    Failed,    // nothing was changed; message says which file and line and why
};

struct RestoreResult {
    RestoreStatus status = RestoreStatus::Failed;
    QString message;  // Done: empty, or a note that the counter file could not be written
    QString title;
};

inline constexpr const char16_t* kNoBackupMessage = u"Es liegt keine Sicherung vor";
inline constexpr const char16_t* kNoBackupTitle = u"HINWEIS";

// Builds the new database beside the old file, filling every table from its backup file, and
// sets the dictionary password. Only when it is complete does the session's connection close,
// the new file take the old one's place, the session get the new connection and run the
// warm-up statement, and the counter file get the bytes of upd.int. Until then the old
// database stays open in the session and in use. progress gets 0 at the start, 1 after the
// creation, n when the table of length n is opened, 16 when the password is set.
// Events run inside progress, so a second run could start there; the window keeps its buttons
// disabled until this returns.
RestoreResult restoreDictionary(DictionarySession& session, const AppFolder& folder,
                                const ProgressStep& progress = {});

}  // namespace vondrik
