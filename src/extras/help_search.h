// The help window's search: which topics hold every word the user asks for.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "extras/help_files.h"

namespace vondrik {

class HelpSearch {
  public:
    // Reads the topics' pages once. A topic with a section id covers its page from that id
    // up to the next topic's section of the same page; a topic without one, its whole page.
    explicit HelpSearch(const QList<HelpTopic>& topics);

    struct Hit {
        int topic;  // index into the topics given
        int count;  // how often the words occur there together
    };
    // Topics whose text holds every word of the query, letter case ignored, those with the
    // most occurrences first and equal ones in contents order. Nothing for a blank query.
    QList<Hit> find(const QString& query) const;

    // The words of a query as find() looks for them.
    static QStringList words(const QString& query);

  private:
    QStringList texts_;  // lower-case text of each topic
};

}  // namespace vondrik
