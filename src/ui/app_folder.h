// The application folder: every data file lies in or below it. Which folder that is, and how
// an installed program gets a writable one for each user.
#pragma once

#include <QString>
#include <QStringView>

#include "ui/file_steps.h"

namespace vondrik {

class AppFolder {
  public:
    // A given folder, as tests use it.
    explicit AppFolder(const QString& root);

    const QString& root() const { return root_; }

    // The folder followed by a relative path such as "\daten\term.dat" or "daten/term.dat";
    // backslashes become slashes, so the Windows-style paths can be written as they are.
    QString appPath(QStringView relative) const;

  private:
    QString root_;
};

// The places the program may keep its files in.
struct AppFolderPlaces {
    QString own;        // the folder of the executable
    QString installed;  // the read-only copy an installed program brings along
    QString perUser;    // the user's own folder in the XDG data home

    // The places of the running program; needs a QCoreApplication.
    static AppFolderPlaces ofThisProgram();
};

// The folder chosen; error is a German message naming the folder when it could not be
// made ready, and the program cannot run then.
struct AppFolderChoice {
    AppFolder folder;
    QString error;
};

// The own folder when it is writable and holds daten/ (a build, a copy on a USB stick).
// Otherwise, when an installed copy exists, the per-user folder, filled from that copy
// where it lacks files; the per-user daten/ is copied only once, on the first start, so the
// user's dictionary and state files are never replaced. Without an installed copy the own
// folder is used anyway, and the load sequence reports what is missing.
// files marks the steps for the crash test.
AppFolderChoice chooseAppFolder(const AppFolderPlaces& places, const FileSteps& files = {});

}  // namespace vondrik
