#pragma once

#include <QString>

#include <optional>

// An installed LibreOffice: the folder of its program, the binary the program starts
// (soffice.bin, without the shell script and launcher in front of it, so that the
// program owns the office process itself) and the version its profile records.
struct OfficeInstallation
{
    QString programDir;
    QString binary;
    QString version;   // e.g. "7.4"; empty when it cannot be read

    // The office behind `soffice` in the usual install locations, then on the PATH.
    static std::optional<OfficeInstallation> find();
    // The office whose program folder holds this soffice (a link is followed).
    static std::optional<OfficeInstallation> fromSoffice(const QString &soffice);
    // The setup version ("ooSetupVersion") the office's registry declares.
    static QString readVersion(const QString &programDir);
};
