// Which help the program opens and what its contents list names.
//
// Two forms of help may lie in the application folder. The preferred one is a set of HTML
// pages, Vondrik-Hilfe/index.html and the pages it links to: the contents page lists every
// topic, each its own page, and the help window searches them all. The other is a single
// HTML page, vondrik.html, whose contents list links to sections of the same page; it is
// used only when the first is missing.
#pragma once

#include <QList>
#include <QString>

#include "ui/app_folder.h"

namespace vondrik {

inline constexpr const char16_t* kHelpPagesContents = u"Vondrik-Hilfe/index.html";
inline constexpr const char16_t* kHelpSinglePage = u"vondrik.html";

enum class HelpKind { None, Pages, SinglePage };

struct HelpDocument {
    HelpKind kind = HelpKind::None;
    QString contentsPage;  // full path of the page the help opens at; empty for None
};

// The help to open: the pages when their contents page exists, else the single page.
HelpDocument findHelp(const AppFolder& folder);

struct HelpTopic {
    QString title;     // as the contents list shows it
    QString file;      // full path of the page
    QString fragment;  // the section's id within the page; empty for the whole page
};

// The topics of a contents page in their order: the local links inside its
// <nav id="inhalt"> element, or inside the whole page when it has none. Links to other
// programs (web pages, mail) are no topics. An unreadable page has none.
QList<HelpTopic> helpContents(const QString& contentsPage);

// True when the topic's page exists and, for a section, holds an element with its id.
bool topicExists(const HelpTopic& topic);

// The text of an HTML file, decoded as its <meta charset> says (UTF-8 when it says nothing);
// empty when the file cannot be read.
QString readHtmlFile(const QString& path);

// The readable text of HTML: tags dropped, entities decoded, white space folded.
QString htmlToText(const QString& html);

}  // namespace vondrik
