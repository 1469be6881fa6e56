#pragma once
// The address that submits a top-10 entry to the score service. The browser makes the
// request; the game only builds the address. Values go in as they stand, unescaped, because
// the service reads them that way.
#include <QSize>
#include <QString>

namespace scores {

struct Submission {
    QString send; // Internet send: the service's base address
    QString user; // the selected user's name and password
    QString pass;
    int version = 0; // versionNumber(), 700 for "7.0"
    int revision = 0;
    QString date; // the entry's stored date stamp; "" sends todayStamp
    int todayStamp = 0;
    QString points; // the entry's stored points and key
    QString key;
    QString lan;    // Info international of the language file
    QSize workArea; // in pixels
    QString os;     // osFamily()
};

// "800x600" for a work area 800 pixels wide, "1024x768" for one 1024 wide, else the size.
QString screenText(const QSize& workArea);

// The system family the service knows: "Win95", "WinNT", or "N/A" for anything else.
QString osFamily(const QString& systemName);

QString submissionAddress(const Submission& s);

} // namespace scores
