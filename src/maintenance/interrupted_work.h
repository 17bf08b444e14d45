// What the start-up does with the traces of a backup, restore or data update that the program
// did not live to finish: a decided restore is completed, everything else half-done goes, so
// that every file is either as it was before the change or as it is after it.
#pragma once

#include <QByteArray>
#include <optional>

#include "ui/app_folder.h"
#include "ui/file_steps.h"

namespace vondrik {

// Runs before the dictionary is opened:
// - a restore marker: the new database (if not yet in place) replaces the old one, the
//   counter gets the content the marker holds, the marker goes;
// - the half-built database of a restore that had not written its marker, and what re-keying
//   it leaves, is removed; a dictionary that an older version moved aside (daten.mdb.bisher)
//   is put back when daten.mdb is missing;
// - temporary files ("*.tmp") in daten and in the application folder itself, and the
//   update's downloaded copies in daten, are removed;
// - a backup set still being written (Sicherung.neu) is removed; an old set moved aside
//   (Sicherung.alt) comes back when there is no Sicherung, and goes otherwise.
// A hot journal of the dictionary itself stays: the engine rolls it back when the file is
// opened; one that never became hot is removed.
void finishInterruptedWork(const AppFolder& folder, const FileSteps& files = {});

// The second half of a restore, once the new database is in place: the counter file as the
// marker says, then the marker removed. False when the counter could not be written; the
// marker then stays, and the next start tries again.
bool finishRestore(const AppFolder& folder, const FileSteps& files);

// The marker's content for a backup's counter copy, or for a backup without one.
QByteArray restoreMarkerBytes(const std::optional<QByteArray>& counter);

// Removes the new database of a restore and the files building it leaves beside it.
void removeNewDatabase(const AppFolder& folder, const FileSteps& files);

}  // namespace vondrik
