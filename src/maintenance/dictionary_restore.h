// The restore: the dictionary database rebuilt from the backup files of the folder
// "Sicherung", and the data-update counter put back from its copy.
#pragma once

#include <QString>

#include "dictionary/dictionary_session.h"
#include "maintenance/backup_files.h"
#include "ui/app_folder.h"
#include "ui/file_steps.h"

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
// sets the dictionary password; until then the old database stays open in the session and in
// use. Once it is complete, a marker holding the counter's new content is written, the new
// file takes the old one's place in one rename, the counter file gets the bytes of upd.int
// (or is removed when the backup has no upd.int), the marker goes, and the session gets the
// new connection and runs the warm-up statement. Should the program die after the marker was
// written, the next start finishes the same steps (finishInterruptedWork), so dictionary and
// counter change together. progress gets 0 at the start, 1 after the creation, n when the
// table of length n is opened, 16 when the password is set. Events run inside progress, so a
// second run could start there; the window keeps its buttons disabled until this returns.
// files marks the steps for the crash test.
RestoreResult restoreDictionary(DictionarySession& session, const AppFolder& folder,
                                const ProgressStep& progress = {}, const FileSteps& files = {});

}  // namespace vondrik
