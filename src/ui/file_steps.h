// The file steps of a change that must survive a crash: whole files written beside the old
// one and renamed over it, renames and removals made durable by syncing their folder, and two
// folders swapped in one step. Each step can be marked, so that a crash test can end the
// process between any two of them and look at what is left.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace vondrik {

class FileSteps {
  public:
    // Called at every mark; the program passes none, the crash test one that kills the process.
    using Seam = std::function<void()>;

    FileSteps() = default;
    explicit FileSteps(Seam seam) : seam_(std::move(seam)) {}

    // A moment between two steps at which the process may die.
    void mark() const;

    // Replaces path with bytes: a temporary file beside it ("<path>.tmp") is written, synced
    // and renamed over it, so the path holds either the old or the new bytes at any moment.
    bool writeFile(const QString& path, const QByteArray& bytes) const;

    // Writes a file that is scratch until its folder is put in place: written and synced, but
    // not renamed.
    bool writeScratchFile(const QString& path, const QByteArray& bytes) const;

    // Renames from over to in one step (an existing file is replaced) and syncs the folder.
    bool replace(const QString& from, const QString& to) const;

    // Removes a file (a missing one counts as removed) and syncs its folder.
    bool remove(const QString& path) const;

    // Removes a folder and everything in it; the folder's parent is synced.
    bool removeFolder(const QString& path) const;

    // Swaps two existing folders in one step. False where the file system cannot do that;
    // nothing has changed then.
    bool exchange(const QString& a, const QString& b) const;

    // Makes the entries of a folder (new, renamed or removed files) durable.
    static bool syncFolder(const QString& folder);
    // Makes a file's content durable.
    static bool syncFile(const QString& path);

    // The temporary file writeFile uses for path.
    static QString temporaryFor(const QString& path);

  private:
    Seam seam_;
};

}  // namespace vondrik
