// The web page and mail address the about box offers. They are configuration, kept in
// daten/kontakt.dat beside the update server's address:
//
//   ; comment lines start with a semicolon
//   Homepage=https://www.example.org/vondrik/
//   E-Mail=vondrik@example.org
//
// A missing file is written with the placeholders above, so the user finds the place to put
// the real addresses; a missing or empty entry falls back to its placeholder.
#pragma once

#include <QString>
#include <QUrl>

#include "ui/app_folder.h"

namespace vondrik {

inline constexpr const char16_t* kContactFile = u"daten/kontakt.dat";
inline constexpr const char* kDefaultHomepage = "https://www.example.org/vondrik/";
inline constexpr const char* kDefaultMailAddress = "vondrik@example.org";

struct ContactAddresses {
    QString homepage;
    QString mail;
};

// The addresses in the lines of a contact file; keys are compared without regard to case.
ContactAddresses contactAddressesFrom(const QStringList& lines);

// Reads the file, creating it with the placeholders when it is missing.
ContactAddresses readContactAddresses(const AppFolder& folder);

// The web page as the browser gets it; an address without a scheme is taken as http.
QUrl homepageUrl(const ContactAddresses& addresses);

// A prepared message: "mailto:" + address + "?Subject=Vondrik 2000&Body=Hallo".
QUrl mailUrl(const ContactAddresses& addresses);

}  // namespace vondrik
