// Reading back what the editor or the update left in the dictionary.
#pragma once

#include <QStringList>

#include "dictionary/dictionary_session.h"

namespace vondrik::test {

// Meanings of the entries of a table with this word, in table order.
inline QStringList meaningsOf(DictionarySession& db, const QString& table, const QString& word) {
    Recordset rs =
        db.open(QStringLiteral("Select * from %1 WHERE begriff LIKE '%2'").arg(table, word));
    QStringList meanings;
    for (; !rs.Eof(); rs.MoveNext()) {
        meanings << rs.text(u"Bedeutung");
    }
    return meanings;
}

inline qint64 countRows(DictionarySession& db, const QString& table) {
    return db.open(QStringLiteral("Select * from ") + table).RecordCount();
}

// Dachs gets record 23456 and Biber 123456 in fuenf: a number read only to five digits would
// send Biber's edits to Dachs.
inline void addDachsAndBiber(DictionarySession& db) {
    auto appender = db.database().OpenTable(QStringLiteral("fuenf"));
    for (const auto& [id, word] : {std::pair{23456, "Dachs"}, std::pair{123456, "Biber"}}) {
        appender->AddNew();
        appender->setValue(0, id);
        appender->setValue(1, QString::fromUtf8(word));
        appender->setValue(2, QStringLiteral("Tier"));
        appender->Update();
    }
    appender->Close();
}

}  // namespace vondrik::test
