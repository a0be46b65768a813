// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

namespace dipo {

// An error raised inside a handler. The handler's guard catches it and hands the
// message to the error report; what the handler changed before the throw stays.
class Error : public std::exception
{
public:
    explicit Error(QString message)
        : m_message(std::move(message)), m_utf8(m_message.toUtf8())
    {
    }
    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// A field's text that does not read as a number.
class ConversionError : public Error
{
public:
    using Error::Error;
};

// Division by zero, an invalid operation or an overflow inside a formula.
class MathError : public Error
{
public:
    using Error::Error;
};

// A picture file that is missing, cannot be opened or is no readable JPEG.
class PictureError : public Error
{
public:
    using Error::Error;
};

} // namespace dipo
