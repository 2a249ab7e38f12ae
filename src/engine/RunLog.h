#pragma once

#include <QDateTime>
#include <QString>

// The log of failed documents: plain text in the system encoding, one line per
// failure, CR LF line ends.
namespace RunLog {

// Creates the log empty (an existing log is emptied). False when that failed.
bool emptyLog(const QString &path);
// Appends first, a blank and second as one line, creating the file when missing.
bool WriteLogLine(const QString &path, const QString &first, const QString &second);

// The first text of an Excel log line: the local date in the short format, a blank and
// the time in the long format (left out at exactly midnight), " - " and the path.
QString excelLineStart(const QString &path, const QDateTime &now);
// The second text of an Excel log line: " - " and the message.
QString excelLineEnd(const QString &message);

} // namespace RunLog
