// One run of the data update: the server's index fetched, every update published since the
// last one applied fetched and inserted into the length tables, the counter moved on after
// each update, and the version the server announces compared with the program's.
//
// A database and a file cannot change in one step. The rows of an update are committed
// first and the counter written after them; an entry already in its table with the same word
// and meaning is not inserted again, so an update applied a second time (after the program
// died between the two steps) adds nothing, and none is ever lost.
#pragma once

#include <QSet>
#include <QString>
#include <functional>
#include <map>

#include "dictionary/dictionary_session.h"
#include "dictionary/length_tables.h"
#include "maintenance/update_files.h"
#include "maintenance/update_server.h"
#include "ui/app_folder.h"
#include "ui/file_steps.h"
#include "ui/http_getter.h"

namespace vondrik {

// Where a run reports its steps.
struct UpdateLog {
    std::function<void(const QString&)> protokoll;  // a line of the log list only
    std::function<void(const QString&)> melden;     // a log line that is also the status line
};

enum class UpdateOutcome {
    Busy,          // a run was already going; this call did nothing
    BadServer,     // the server setting names no http address
    NoFile,        // the index could not be stored in the daten folder
    InvalidIndex,  // no valid index came back (server down, wrong page, bad status)
    NothingNew,    // the counter is already at the newest update
    Applied,       // every update up to the newest one applied
    Failed,        // an update could not be fetched or saved; later runs fetch it again
    Stopped,       // stop() was called; the counter holds the last update applied
};

struct UpdateResult {
    UpdateOutcome outcome = UpdateOutcome::Busy;
    int inserted = 0;         // entries the database accepted in this run
    QString version;          // line 2 of the index, when one was read
    bool newVersion = false;  // the version check speaks: tell the user
};

class DataUpdate {
  public:
    // A server that does not answer within this time counts as a failed download.
    static constexpr int kTimeoutMs = 20000;

    // files marks the steps for the crash test.
    DataUpdate(DictionarySession& session, HttpGetter& http, const AppFolder& folder,
               FileSteps files = {})
        : session_(session), http_(http), folder_(folder), files_(std::move(files)) {}

    // Window events run during the downloads; a call made meanwhile (a second click) returns
    // Busy at once. A sink left empty hears nothing.
    UpdateResult run(const UpdateLog& log);
    bool running() const { return running_; }

    // Ends a running run: the download it waits for is cancelled, nothing more is written or
    // reported.
    void stop() {
        stopRequested_ = true;
        http_.cancel();
    }

  private:
    UpdateResult fetchUpdates(const UpdateLog& log, const UpdateServer& server,
                              const UpdateIndex& index);
    // Keeps the local copy of update `number`; false (and said why) when there is nothing to
    // keep or it cannot be written.
    bool store(const UpdateLog& log, qint64 number, const QByteArray& body);
    bool keepLocalCopy(const QString& path, const QByteArray& bytes);
    // Inserts the lines of update `number` in one transaction, then moves the counter to it.
    bool apply(const UpdateLog& log, qint64 number, const QByteArray& body, int& inserted);
    // Word and meaning of every entry of the tables one update inserts into, by table length.
    // It lives for one apply() only: the editor may change the tables between two updates,
    // and what a failed update noted as inserted was rolled back.
    using HeldEntries = std::map<int, QSet<QString>>;
    int insertLines(const UpdateLog& log, const QByteArray& body, HeldEntries& held);
    // The entries of a table as word and meaning, read at its first insert, with every insert
    // since added.
    QSet<QString>& heldEntries(const LengthTable& table, HeldEntries& held);

    DictionarySession& session_;
    HttpGetter& http_;
    const AppFolder& folder_;
    FileSteps files_;
    bool running_ = false;
    bool stopRequested_ = false;
};

}  // namespace vondrik
