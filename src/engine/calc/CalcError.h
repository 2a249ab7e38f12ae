#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

// A failed call on the Calc surface. Every implementation of the surface turns its own
// failures into this type, so the formatter and the queries never see an office type.
class CalcError : public std::exception
{
public:
    explicit CalcError(const QString &message);

    const QString &message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// A document the formatter will not touch, for a reason its user can act on (it is
// read-only, open elsewhere, or a file in the way cannot be moved aside). The reason
// goes into the log line with the failure.
class CalcRefusal : public CalcError
{
public:
    using CalcError::CalcError;
};
