#pragma once

#include <QString>

// Who and what the program is: every text that names the program, its maker or the
// maker's web pages comes from here.
namespace appinfo {

inline const QString programName = QStringLiteral("Kalkulator OEE");
inline const QString makerLine = QStringLiteral("Pracownia Efektywności 2024-2026");
inline const QString version = QStringLiteral("ver. 1.2");
inline const QString webSite = QStringLiteral("https://kalkulator-oee.example.org");
inline const QString webSiteShown = QStringLiteral("kalkulator-oee.example.org");
inline const QString articleAddress = webSite + QStringLiteral("/pliki/oee.pdf");
inline const QString otherProductName = QStringLiteral("Planista Zmian");
inline const QString otherProductAddress = webSite + QStringLiteral("/planista");

// "<name>   <maker line>" and "<name>" + 48 blanks + "<maker line>".
inline QString applicationTitle() { return programName + QString(3, u' ') + makerLine; }
inline QString windowCaption() { return programName + QString(48, u' ') + makerLine; }

} // namespace appinfo
