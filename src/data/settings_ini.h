#pragma once

#include <QString>
#include <QStringList>

// The settings file "ZOLF.ini" beside the database: section "Parameter", read only.
// Section and key names match without regard to case; a missing key reads as empty.
class ZolfIni {
  public:
    static constexpr const char* kFileName = "ZOLF.ini";

    // Reads the file now; a missing or unreadable file gives all keys empty.
    explicit ZolfIni(const QString& path);

    QString value(const QString& key) const;

    // The country ring codes offered in the ring entry: the comma-separated entries of
    // CountryRingCode, blanks around each removed, upper-cased; empty entries dropped.
    QStringList countryRingCodes() const;
    QString apn() const { return value(QStringLiteral("APN")); }
    QString hostSms() const { return value(QStringLiteral("HostSms")); }
    // Empty reads as "0".
    QString timeZone() const;
    QString markedFlag() const;

  private:
    QList<QPair<QString, QString>> entries_;
};
