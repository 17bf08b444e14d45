// The application folder: every data file lies in or below it.
#pragma once

#include <QString>
#include <QStringView>

namespace vondrik {

class AppFolder {
  public:
    // A given folder, as tests use it.
    explicit AppFolder(const QString& root);
    // The folder of the running executable; needs a QCoreApplication.
    static AppFolder ofExecutable();

    const QString& root() const { return root_; }

    // The folder followed by a relative path such as "\daten\term.dat" or "daten/term.dat";
    // backslashes become slashes, so the Windows-style paths can be written as they are.
    QString appPath(QStringView relative) const;

  private:
    QString root_;
};

}  // namespace vondrik
